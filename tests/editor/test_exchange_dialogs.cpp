// The window's load and save commands with DXF drawings and pictures.
#include "DxfExport.h"
#include "DxfImport.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <vector>

namespace {

enum SaveFilter { PerFilter, DxfFilter, SvgFilter, PngFilter, AllFilter };

std::vector<TProfileObject> Objects(const TProfile& profile) {
    return {profile.liveObjects().begin(), profile.liveObjects().end()};
}

// Two bars and an appendix, numbered 1..3, as an import gives them back.
void Fill(TProfile& profile) {
    profile.reset();
    profile.createObject(okBar, {50, 60}, 15);
    profile.Objects(1).P2 = {150, 60};
    profile.createObject(okBar, {150, 60}, 20);
    profile.Objects(2).P2 = {150, 160};
    profile.createObject(okAppendix, {50, 160}, 30);
    profile.Objects(3).P2 = {};
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

class TestExchangeDialogs : public QObject {
    Q_OBJECT
  private slots:
    void dialogsOfferTheExchangeTypes() {
        WindowFixture f;
        f.control<QToolButton>("SpeedButton4")->click();
        f.control<QToolButton>("SpeedButton5")->click();
        const QString dxf = QStringLiteral("Desenhos DXF (*.dxf *.DXF)");
        QCOMPARE(f.dialogs->fileFilters.at(0).at(DxfFilter), dxf);
        QCOMPARE(f.dialogs->fileFilters.at(1).mid(DxfFilter, 3),
                 QStringList({dxf, QStringLiteral("Imagens SVG (*.svg *.SVG)"),
                              QStringLiteral("Imagens PNG (*.png *.PNG)")}));
    }

    void importReplacesTheProfileLikeLoad() {
        QTemporaryDir dir;
        TProfile drawn;
        Fill(drawn);
        const QString path = dir.filePath(QStringLiteral("secao.dxf"));
        ExportDxfFile(drawn, LocalPath(path));

        WindowFixture f;
        f.control<QToolButton>("SpeedButton2")->click(); // the bar tool in force
        f.window.profile().selectMaterial("Chumbo -  11,37");
        f.dialogs->fileAnswers = {path};
        f.dialogs->filterAnswer = DxfFilter;
        f.control<QToolButton>("SpeedButton4")->click();

        QCOMPARE(f.dialogs->errors, QStringList());
        QCOMPARE(Objects(f.window.profile()), Objects(drawn));
        QCOMPARE(f.window.profile().MaterialIndex(), 3);
        QCOMPARE(f.window.mouseEditor().Tool, etSelect);
        QVERIFY(!f.control<QToolButton>("SpeedButton2")->isChecked());
        QCOMPARE(f.text("Label5"), QStringLiteral("3"));
        // Read before it goes, with the thickness the objects without a width took.
        QCOMPARE(f.dialogs->messages,
                 QStringList("3 objetos importados do desenho DXF; objetos sem largura no "
                             "desenho com a espessura da caixa, 1 mm"));
    }

    void saveTypeFollowsTheNameThenTheFilter_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written"); // empty: nothing is written
        QTest::addColumn<QString>("format");
        QTest::newRow("DXF drawing") << int(DxfFilter) << "a"
                                     << "a.dxf"
                                     << "dxf";
        QTest::newRow("SVG picture") << int(SvgFilter) << "a"
                                     << "a.svg"
                                     << "svg";
        QTest::newRow("PNG picture") << int(PngFilter) << "a"
                                     << "a.png"
                                     << "png";
        QTest::newRow("all files: by extension") << int(AllFilter) << "a.DXF"
                                                 << "a.DXF"
                                                 << "dxf";
        QTest::newRow("a .dxf typed under the profile filter") << int(PerFilter) << "teste.dxf"
                                                               << "teste.dxf"
                                                               << "dxf";
        QTest::newRow("a .per typed under the PNG filter") << int(PngFilter) << "a.per"
                                                           << "a.per"
                                                           << "per";
        QTest::newRow("an extension not written: refused") << int(PerFilter) << "a.txt"
                                                           << ""
                                                           << "";
    }
    void saveTypeFollowsTheNameThenTheFilter() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QString, format);
        QTemporaryDir dir;
        WindowFixture f;
        Fill(f.window.profile());
        f.window.redraw();
        const std::vector<TProfileObject> before = Objects(f.window.profile());
        f.dialogs->fileAnswers = {dir.filePath(typed)};
        f.dialogs->filterAnswer = filter;
        f.control<QToolButton>("SpeedButton5")->click();

        QCOMPARE(Objects(f.window.profile()), before);
        if (written.isEmpty()) {
            QCOMPARE(f.dialogs->errors,
                     QStringList("Extensão desconhecida: \".txt\". O programa grava arquivos "
                                 ".per, .dxf, .svg e .png."));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
            return;
        }
        QCOMPARE(f.dialogs->errors, QStringList());
        const QString path = dir.filePath(written);
        const QByteArray bytes = Contents(path);
        if (format == "png") {
            QCOMPARE(QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32),
                     f.window.drawing());
        } else if (format == "svg") {
            QVERIFY(bytes.contains("<svg"));
        } else if (format == "dxf") {
            QCOMPARE(ImportDxfFile(LocalPath(path), 1.0).Records, before);
        } else {
            QCOMPARE(bytes.size(), 8 + 72 * 3); // count, three records, material
            QCOMPARE(bytes.left(4), QByteArray("\3\0\0\0", 4));
        }
    }
};

QTEST_MAIN(TestExchangeDialogs)
#include "test_exchange_dialogs.moc"
