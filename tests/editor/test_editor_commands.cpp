#include "CommandGuard.h"
#include "EditorFonts.h"
#include "ImagePixels.h"
#include "ProfileFile.h"
#include "StandardSectionDialog.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/stat.h>
#include <vector>

namespace {

const QRgb Green = qRgb(0, 128, 0);

// Three bars drawn with the mouse, at y = 50, 150 and 200, from x = 50 to x = 100; the
// select tool is in force afterwards.
void DrawThreeBars(WindowFixture& f) {
    f.control<QToolButton>("SpeedButton2")->click();
    for (int y : {50, 150, 200})
        f.drag({50, y}, {100, y});
    f.control<QToolButton>("SpeedButton2")->click();
}

std::vector<TProfileObject> Objects(const TProfile& profile) {
    return {profile.liveObjects().begin(), profile.liveObjects().end()};
}

QList<int> BarHeights(const TProfile& profile) {
    QList<int> heights;
    for (const TProfileObject& o : profile.liveObjects())
        heights.append(o.P1.Y);
    return heights;
}

QList<int> Numbers(const TProfile& profile) {
    QList<int> numbers;
    for (const TProfileObject& o : profile.liveObjects())
        numbers.append(o.Number);
    return numbers;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Int32(qint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<quint32>(value) >> (8 * i)) & 0xff);
    return bytes;
}

} // namespace

class TestEditorCommands : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { EditorFonts::installSubstitutions(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void newProfile_data();
    void newProfile();
    void remove_data();
    void remove();
    void releaseAfterRemoveLeavesTheSuccessorAlone();
    void saveAndLoadRoundTrip();
    void saveCompactsEvenWhenCancelled();
    void cancelledOpenOnlyInvalidatesTheMarker();
    void failedLoadChangesNothing_data();
    void failedLoadChangesNothing();
    void loadedMaterialIndex_data();
    void loadedMaterialIndex();
    void print_data();
    void print();
    void zeroDensityAsksFirst_data();
    void zeroDensityAsksFirst();
    void closeAsksFirst_data();
    void closeAsksFirst();
    void questionsSayThatChangesAreUnsaved_data();
    void questionsSayThatChangesAreUnsaved();
    void saveOverAFileAsksFirst_data();
    void saveOverAFileAsksFirst();
    void errorBoxText_data();
    void errorBoxText();
    void standardSectionIsOneStep_data();
    void standardSectionIsOneStep();
    void standardSectionDialogFields();
};

void TestEditorCommands::newProfile_data() {
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("count");
    QTest::newRow("cancelled keeps every object") << false << 3;
    QTest::newRow("confirmed empties the drawing") << true << 0;
}

void TestEditorCommands::newProfile() {
    QFETCH(bool, answer);
    QFETCH(int, count);
    WindowFixture f;
    DrawThreeBars(f);
    f.control<QComboBox>("ComboBox1")->setCurrentIndex(6);
    f.control<QToolButton>("SpeedButton2")->click();
    f.dialogs->confirmAnswers = {answer};
    f.control<QToolButton>("SpeedButton6")->click();
    QCOMPARE(
        f.dialogs->questions,
        QStringList{QStringLiteral("Há alterações não salvas. Confirma zerar o perfil atual ?")});
    QCOMPARE(f.window.profile().ObjectCount(), count);
    QCOMPARE(f.text("Label5"), QString::number(count));
    QCOMPARE(f.window.mouseEditor().Tool, answer ? etSelect : etAddBar);
    QCOMPARE(f.control<QToolButton>("SpeedButton2")->isChecked(), !answer);
    QCOMPARE(f.control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Latão - 8,42"));
    QCOMPARE(f.window.profile().MaterialIndex(), 6);
    if (answer) {
        QCOMPARE(At(f.window.drawing(), 0, 0), Green);
        QCOMPARE(f.text("Label2"), QStringLiteral("—")); // nothing is held any more
    }
}

void TestEditorCommands::remove_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("left"); // the y of each bar left, in order
    QTest::newRow("the middle one") << 2 << QList<int>{50, 200};
    QTest::newRow("the last one") << 3 << QList<int>{50, 150};
    QTest::newRow("the first one") << 1 << QList<int>{150, 200};
    QTest::newRow("past the end: nothing") << 4 << QList<int>{50, 150, 200};
}

void TestEditorCommands::remove() {
    QFETCH(int, current);
    QFETCH(QList<int>, left);
    WindowFixture f;
    DrawThreeBars(f);
    f.window.profile().setCurrentIndex(current);
    f.control<QToolButton>("SpeedButton3")->click();
    QCOMPARE(BarHeights(f.window.profile()), left);
    QCOMPARE(Numbers(f.window.profile()).size(), left.size());
    for (int i = 0; i < left.size(); ++i)
        QCOMPARE(f.window.profile().Objects(i + 1).Number, i + 1);
    QCOMPARE(f.window.profile().CurrentIndex(), current);
    QCOMPARE(f.text("Label5"), QString::number(left.size()));
    QCOMPARE(f.window.mouseEditor().MarkP1.X, NoMarkerX);
    QVERIFY(!f.control<QToolButton>("SpeedButton3")->isChecked());
    // What was removed is gone from the drawing as well.
    if (left.size() < 3) {
        const int removedY = QList<int>{50, 150, 200}.at(current - 1);
        QCOMPARE(At(f.window.drawing(), 75, removedY), qRgb(255, 255, 255));
    }
}

// After a removal the current index designates the removed object's successor; a click on
// empty space must not hand it the removed object's ends.
void TestEditorCommands::releaseAfterRemoveLeavesTheSuccessorAlone() {
    WindowFixture f;
    DrawThreeBars(f);
    f.press({100, 150}); // grabs the middle bar's second end
    f.release({100, 150});
    QCOMPARE(f.window.profile().CurrentIndex(), 2);
    f.control<QToolButton>("SpeedButton3")->click();
    f.press({300, 100});
    f.release({300, 100});
    QCOMPARE(f.window.profile().ObjectCount(), 2);
    QCOMPARE(f.window.profile().Objects(2).P1, (TPoint{50, 200}));
    QCOMPARE(f.window.profile().Objects(2).P2, (TPoint{100, 200}));
}

void TestEditorCommands::saveAndLoadRoundTrip() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WindowFixture f;
    DrawThreeBars(f);
    f.control<QToolButton>("SpeedButton1")->click();
    f.press({300, 120});
    f.release({300, 120});
    f.control<QToolButton>("SpeedButton1")->click();
    f.control<QComboBox>("ComboBox1")->setCurrentIndex(3);
    f.control<QToolButton>("SpeedButton7")->click();
    const std::vector<TProfileObject> saved = Objects(f.window.profile());
    const QImage drawing = f.window.drawing();

    f.dialogs->fileAnswers = {dir.filePath(QStringLiteral("perfil"))};
    f.control<QToolButton>("SpeedButton5")->click();
    const QString path = dir.filePath(QStringLiteral("perfil.per"));
    QCOMPARE(QFile(path).size(), 8 + 72 * 4);
    QCOMPARE(f.dialogs->fileFilters.constFirst().constFirst(),
             QStringLiteral("Arquivos de Perfil (*.PER *.per)"));

    f.dialogs->confirmAnswers = {true};
    f.control<QToolButton>("SpeedButton6")->click();
    f.control<QComboBox>("ComboBox1")->setCurrentIndex(0);
    f.control<QToolButton>("SpeedButton2")->click();

    f.dialogs->fileAnswers = {path};
    f.control<QToolButton>("SpeedButton4")->click();
    QVERIFY2(f.dialogs->errors.isEmpty(), qPrintable(f.dialogs->errors.join(';')));
    QVERIFY(Objects(f.window.profile()) == saved);
    QCOMPARE(f.window.profile().MaterialIndex(), 3);
    QCOMPARE(f.control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Chumbo -  11,37"));
    QCOMPARE(f.window.profile().CurrentIndex(), 1);
    QCOMPARE(f.window.mouseEditor().Tool, etSelect);
    QCOMPARE(f.window.mouseEditor().Grip, gmNone);
    QCOMPARE(f.window.mouseEditor().MarkP1.X, NoMarkerX);
    QVERIFY(!f.control<QToolButton>("SpeedButton2")->isChecked());
    QCOMPARE(f.text("Label5"), QStringLiteral("4"));
    QCOMPARE(f.text("Label2"), QStringLiteral("—"));
    QCOMPARE(f.window.drawing(), drawing);

    // Each dialog proposes the name last chosen in it.
    f.control<QToolButton>("SpeedButton5")->click();
    f.control<QToolButton>("SpeedButton4")->click();
    QCOMPARE(f.dialogs->proposedNames, (QStringList{"", "", path, path}));
}

void TestEditorCommands::saveCompactsEvenWhenCancelled() {
    WindowFixture f;
    DrawThreeBars(f);
    f.window.profile().Objects(2).Number = 0;
    f.control<QToolButton>("SpeedButton5")->click();
    QCOMPARE(f.dialogs->proposedNames.size(), 1);
    QCOMPARE(BarHeights(f.window.profile()), (QList<int>{50, 200}));
    QCOMPARE(Numbers(f.window.profile()), (QList<int>{1, 2}));
}

void TestEditorCommands::cancelledOpenOnlyInvalidatesTheMarker() {
    WindowFixture f;
    DrawThreeBars(f);
    const std::vector<TProfileObject> before = Objects(f.window.profile());
    f.control<QToolButton>("SpeedButton4")->click();
    QCOMPARE(f.window.mouseEditor().MarkP1.X, NoMarkerX);
    QVERIFY(Objects(f.window.profile()) == before);
    QVERIFY(f.dialogs->errors.isEmpty());
}

const QByteArray Pipe("(named pipe)");

void TestEditorCommands::failedLoadChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: no file of that name; Pipe: a named pipe
    QTest::addColumn<QString>("error");
    QTest::newRow("missing file") << "nothing.per" << QByteArray() << "File not found.";
    QTest::newRow("count above 255") << "big.per" << Int32(300) + QByteArray(72, 'x') + Int32(0)
                                     << "Arquivo de perfil inválido.";
    QTest::newRow("ends early") << "short.per" << Int32(2) + QByteArray(72, '\0') + Int32(0)
                                << "Arquivo de perfil inválido.";
    // Nobody writes into the pipe: opening it must not wait for a writer.
    QTest::newRow("named pipe") << "pipe.per" << Pipe
                                << QStringLiteral("O arquivo não é um arquivo comum: pipes e "
                                                  "dispositivos não são lidos.");
}

void TestEditorCommands::failedLoadChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (bytes == Pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (!bytes.isEmpty())
        WriteFile(path, bytes);
    WindowFixture f;
    DrawThreeBars(f);
    f.control<QToolButton>("SpeedButton2")->click();
    f.press({250, 100}); // a fourth bar, held by its second end: the marker is shown
    f.move({300, 100});
    const std::vector<TProfileObject> before = Objects(f.window.profile());
    const QImage drawing = f.window.drawing();
    const TPoint mark = f.window.mouseEditor().MarkP1;

    f.dialogs->fileAnswers = {path};
    f.control<QToolButton>("SpeedButton4")->click();
    QCOMPARE(f.dialogs->errors, QStringList{error});
    QVERIFY(Objects(f.window.profile()) == before);
    QCOMPARE(f.window.drawing(), drawing);
    QCOMPARE(f.window.mouseEditor().MarkP1, mark);
    QCOMPARE(f.window.mouseEditor().Tool, etAddBar);
    QCOMPARE(f.text("Label5"), QStringLiteral("4"));
}

void TestEditorCommands::loadedMaterialIndex_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("Chumbo") << 3 << "Chumbo -  11,37";
    QTest::newRow("typed material: -1") << -1 << "";
    QTest::newRow("beyond the list") << 99 << "";
}

// The box shows the loaded material; the index itself stays as loaded, so that saving
// again writes it back unchanged.
void TestEditorCommands::loadedMaterialIndex() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("m.per"));
    TProfile written;
    written.replace({}, index);
    written.createObject(okAppendix, {20, 20}, 10);
    SaveProfile(written, QFile::encodeName(path).toStdString());

    WindowFixture f;
    f.dialogs->fileAnswers = {path};
    f.control<QToolButton>("SpeedButton4")->click();
    QCOMPARE(f.control<QComboBox>("ComboBox1")->currentText(), text);
    QCOMPARE(f.window.profile().MaterialIndex(), index);
}

void TestEditorCommands::print_data() {
    QTest::addColumn<bool>("withBar");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("error");
    QTest::addColumn<double>("density");
    QTest::newRow("one bar") << true << "Aço - 7,75"
                             << "" << 7.75;
    QTest::newRow("typed density") << true << "Ouro - 19,3"
                                   << "" << 19.3;
    QTest::newRow("empty profile") << false << "Aço - 7,75"
                                   << "Invalid floating point operation." << 0.0;
    QTest::newRow("density overflow") << true << "X - 1e999"
                                      << "Floating point overflow." << 0.0;
    QTest::newRow("weight overflow") << true << "X - 1e308"
                                     << "Floating point overflow." << 0.0;
}

void TestEditorCommands::print() {
    QFETCH(bool, withBar);
    QFETCH(QString, material);
    QFETCH(QString, error);
    QFETCH(double, density);
    QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
    WindowFixture f;
    int calls = 0;
    TSectionResults printed;
    QImage picture;
    f.window.setPrintHook(
        [&](const TProfile& profile, const TSectionResults& results, const QImage& drawing) {
            ++calls;
            printed = results;
            picture = drawing;
            QCOMPARE(&profile, &f.window.profile());
        });
    if (withBar) {
        f.control<QToolButton>("SpeedButton2")->click();
        f.drag({10, 100}, {110, 100});
    }
    auto* box = f.control<QComboBox>("ComboBox1");
    box->setEditText(material);
    f.control<QToolButton>("SpeedButton8")->click();
    QCOMPARE(f.dialogs->errors, error.isEmpty() ? QStringList() : QStringList{error});
    QCOMPARE(calls, error.isEmpty() ? 1 : 0);
    if (!error.isEmpty())
        return;
    QCOMPARE(printed.Area, 100.0);
    QCOMPARE(printed.Density, density);
    QCOMPARE(f.window.sectionResults().Area, 100.0);
    QCOMPARE(picture, f.window.drawing());
}

void TestEditorCommands::zeroDensityAsksFirst_data() {
    QTest::addColumn<QString>("material");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<int>("previews");
    QTest::newRow("empty box, shown anyway") << "" << true << 1 << 1;
    QTest::newRow("typed without density, cancelled") << "Titânio" << false << 1 << 0;
    QTest::newRow("a density: no question") << "Aço - 7,75" << false << 0 << 1;
}

void TestEditorCommands::zeroDensityAsksFirst() {
    QFETCH(QString, material);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(int, previews);
    WindowFixture f;
    int calls = 0;
    f.window.setPrintHook([&](const TProfile&, const TSectionResults&, const QImage&) { ++calls; });
    f.control<QToolButton>("SpeedButton2")->click();
    f.drag({10, 100}, {110, 100});
    f.control<QComboBox>("ComboBox1")->setEditText(material);
    f.dialogs->confirmAnswers = {answer};
    f.control<QToolButton>("SpeedButton8")->click();
    QCOMPARE(f.dialogs->questions.size(), questions);
    QCOMPARE(calls, previews);
}

void TestEditorCommands::closeAsksFirst_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("cancelled: the editor stays") << false;
    QTest::newRow("confirmed: the editor closes") << true;
}

void TestEditorCommands::closeAsksFirst() {
    QFETCH(bool, answer);
    WindowFixture f;
    f.dialogs->confirmAnswers = {answer};
    QSignalSpy closed(&f.window, &TFormLineStretch::closed);
    QCOMPARE(f.window.close(), answer);
    QCOMPARE(closed.count(), answer ? 1 : 0);
    QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("Confirma sair do editor?")});
    QCOMPARE(f.window.isVisible(), !answer);
}

void TestEditorCommands::questionsSayThatChangesAreUnsaved_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("edit"); // after the save: 0 none, 1 a bar, 2 a bar undone
    QTest::addColumn<QString>("question");
    const QString unsaved = QStringLiteral("Há alterações não salvas. ");
    const QString leave = QStringLiteral("Confirma sair do editor?");
    const QString clear = QStringLiteral("Confirma zerar o perfil atual ?");
    const QString open = QStringLiteral("Confirma abrir outro arquivo?");
    QTest::newRow("leaving, saved") << "leave" << 0 << leave;
    QTest::newRow("leaving after an edit") << "leave" << 1 << unsaved + leave;
    QTest::newRow("leaving, the edit undone") << "leave" << 2 << leave;
    QTest::newRow("New, saved") << "new" << 0 << clear;
    QTest::newRow("New after an edit") << "new" << 1 << unsaved + clear;
    QTest::newRow("Open, saved: no question") << "open" << 0 << "";
    QTest::newRow("Open after an edit") << "open" << 1 << unsaved + open;
    QTest::newRow("Standard section, saved: no question") << "section" << 0 << "";
    QTest::newRow("Standard section after an edit") << "section" << 1 << unsaved + clear;
}

// Every command asked is answered Cancel: the profile stays.
void TestEditorCommands::questionsSayThatChangesAreUnsaved() {
    QFETCH(QString, command);
    QFETCH(int, edit);
    QFETCH(QString, question);
    QTemporaryDir dir;
    WindowFixture f;
    DrawThreeBars(f);
    f.dialogs->fileAnswers = {dir.filePath(QStringLiteral("perfil.per"))};
    f.control<QToolButton>("SpeedButton5")->click();
    if (edit > 0) {
        f.control<QToolButton>("SpeedButton2")->click();
        f.drag({200, 100}, {300, 100});
    }
    if (edit > 1)
        f.window.undo();
    f.dialogs->confirmAnswers = {false};
    if (command == "leave")
        f.window.close();
    else if (command == "section")
        f.control<QToolButton>("SpeedButton10")->click();
    else
        f.control<QToolButton>(command == "new" ? "SpeedButton6" : "SpeedButton4")->click();
    QCOMPARE(f.dialogs->questions, question.isEmpty() ? QStringList() : QStringList{question});
    QCOMPARE(f.window.profile().ObjectCount(), edit == 1 ? 4 : 3);
    QCOMPARE(f.dialogs->proposedNames.size(), command == "open" && edit == 0 ? 2 : 1);
}

void TestEditorCommands::saveOverAFileAsksFirst_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("a new file: no question") << false << QList<bool>{} << true;
    QTest::newRow("an existing file, Yes") << true << QList<bool>{true} << true;
    QTest::newRow("an existing file, No") << true << QList<bool>{false} << false;
    QTest::newRow("an existing file, no answer: No") << true << QList<bool>{} << false;
}

void TestEditorCommands::saveOverAFileAsksFirst() {
    QFETCH(bool, exists);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, replaced);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("perfil.per"));
    const QByteArray old("old bytes");
    if (exists)
        WriteFile(path, old);
    WindowFixture f;
    DrawThreeBars(f);
    f.dialogs->fileAnswers = {path};
    f.dialogs->confirmAnswers = answers;
    f.control<QToolButton>("SpeedButton5")->click();
    QCOMPARE(f.dialogs->questions,
             exists ? QStringList{QStringLiteral("Substituir \"perfil.per\"?")} : QStringList());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.size(), replaced ? 8 + 72 * 3 : old.size());
    QVERIFY(f.dialogs->errors.isEmpty());
}

void TestEditorCommands::errorBoxText_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ends in a letter") << "File not found"
                                      << "File not found.";
    QTest::newRow("ends in an accented letter") << "Arquivo inválido"
                                                << "Arquivo inválido.";
    QTest::newRow("ends in a digit") << "I/O error 28"
                                     << "I/O error 28";
    QTest::newRow("empty") << ""
                           << "";
}

void TestEditorCommands::errorBoxText() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
}

void TestEditorCommands::standardSectionIsOneStep_data() {
    QTest::addColumn<QString>("designation");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("bars");
    QTest::addColumn<double>("height"); // of the bars, mm
    QTest::addColumn<QString>("error");
    const QString leave =
        QStringLiteral("Há alterações não salvas. Confirma zerar o perfil atual ?");
    const QString tooTall = QStringLiteral("Ue 300x85x25x3,00 não cabe na área de desenho: altura "
                                           "de 297 mm (bw) para 250 mm de área");
    const QString turn = tooTall + QStringLiteral(". Girado 90°, cabe: desenhar assim?");
    QTest::newRow("fits upright") << "Ue 200x75x25x2,25" << QList<bool>{true} << QStringList{leave}
                                  << 5 << 197.75 << "";
    QTest::newRow("too tall, turned when asked") << "Ue 300x85x25x3" << QList<bool>{true, true}
                                                 << QStringList{leave, turn} << 5 << 82.0 << "";
    QTest::newRow("too tall, turning declined") << "Ue 300x85x25x3" << QList<bool>{true, false}
                                                << QStringList{leave, turn} << 3 << 150.0 << "";
    QTest::newRow("too large either way")
        << "TR 420x300x3" << QList<bool>{true} << QStringList{leave} << 3 << 150.0
        << "TR 420x300x3,00 não cabe na área de desenho: altura de 417 mm (h) para 250 mm de "
           "área.";
}

// Ctrl+Shift+N on a drawn profile: the section replaces it, the material stays, and one
// undo gives the drawn profile back whole.
void TestEditorCommands::standardSectionIsOneStep() {
    QFETCH(QString, designation);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, questions);
    QFETCH(int, bars);
    QFETCH(double, height);
    QFETCH(QString, error);
    WindowFixture f;
    DrawThreeBars(f);
    f.control<QComboBox>("ComboBox1")->setCurrentIndex(6);
    const TProfile before = f.window.profile();
    const TSectionChoice choice{ParseSectionDesignation(designation.toStdString()), 3.0, false};
    f.dialogs->sectionAnswers = {choice};
    f.dialogs->confirmAnswers = answers;
    QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);

    QCOMPARE(f.dialogs->questions, questions);
    QCOMPARE(f.dialogs->errors, error.isEmpty() ? QStringList() : QStringList{error});
    const TProfile& profile = f.window.profile();
    QCOMPARE(profile.ObjectCount(), bars);
    QCOMPARE(f.text("Label5"), QString::number(bars));
    std::int64_t top = INT64_MAX, bottom = INT64_MIN;
    for (const TProfileObject& o : profile.liveObjects())
        for (const TEnd end : {TEnd::P1, TEnd::P2}) {
            top = std::min(top, ExactPoint(o, end).Y);
            bottom = std::max(bottom, ExactPoint(o, end).Y);
        }
    QCOMPARE(static_cast<double>(bottom - top) / 100.0, height);
    QCOMPARE(profile.MaterialIndex(), 6);
    QCOMPARE(profile.info().Material.Text, std::string("Latão - 8,42"));
    if (bars == before.ObjectCount())
        return;
    QCOMPARE(QString::fromStdString(profile.info().Name),
             QString::fromStdString(DesignationText(choice.Designation)));
    QCOMPARE(profile.info().BendRadius, 3.0);
    const TProfile after = profile;

    f.window.undo();
    QCOMPARE(Objects(f.window.profile()), Objects(before));
    QVERIFY(f.window.profile().info() == before.info());
    QCOMPARE(f.text("Label5"), QStringLiteral("3"));
    f.window.redo();
    QCOMPARE(Objects(f.window.profile()), Objects(after));
    QVERIFY(f.window.profile().info() == after.info());
}

// The fields follow the type; the radius follows the thickness until the user types one.
void TestEditorCommands::standardSectionDialogFields() {
    StandardSectionDialog dialog{TSectionChoice{}};
    const auto field = [&](const char* name) {
        return dialog.findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
    };
    auto* name = dialog.findChild<QLabel*>(QStringLiteral("name"));
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QCOMPARE(name->text(), QStringLiteral("Ue 200x75x25x2,25"));

    dialog.findChild<QComboBox*>(QStringLiteral("type"))->setCurrentIndex(0); // U
    QCOMPARE(name->text(), QStringLiteral("U 100x50x2,00"));
    QVERIFY(field("dimension3")->isHidden());
    field("dimension2")->setValue(3);
    QCOMPARE(field("radius")->value(), 3.0);
    field("radius")->setValue(5);
    field("dimension2")->setValue(4);
    QCOMPARE(field("radius")->value(), 5.0);
    dialog.findChild<QCheckBox*>(QStringLiteral("turned"))->setChecked(true);
    QVERIFY(dialog.choice() == (TSectionChoice{{TSectionType::U, {10000, 5000, 400}}, 5.0, true}));
    QVERIFY(ok->isEnabled());

    field("dimension1")->setValue(4);
    QCOMPARE(name->text(), QStringLiteral("bf deve ser maior que t (4 mm)"));
    QVERIFY(!ok->isEnabled());
}

QTEST_MAIN(TestEditorCommands)
#include "test_editor_commands.moc"
