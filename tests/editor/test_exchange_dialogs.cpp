// The window's load and save commands with DXF drawings and pictures.
#include "DxfExport.h"
#include "DxfImport.h"
#include "WindowFixture.h"

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
        QCOMPARE(f.dialogs->notices, QStringList("3 objetos importados do desenho DXF"));
    }

    void saveTypeFollowsTheFilter_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("DXF drawing") << int(DxfFilter) << "a"
                                     << "a.dxf";
        QTest::newRow("SVG picture") << int(SvgFilter) << "a"
                                     << "a.svg";
        QTest::newRow("PNG picture") << int(PngFilter) << "a"
                                     << "a.png";
        QTest::newRow("all files: by extension") << int(AllFilter) << "a.DXF"
                                                 << "a.DXF";
        QTest::newRow("the filter, not the name") << int(PngFilter) << "a.per"
                                                  << "a.per";
    }
    void saveTypeFollowsTheFilter() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QTemporaryDir dir;
        WindowFixture f;
        Fill(f.window.profile());
        f.window.redraw();
        const std::vector<TProfileObject> before = Objects(f.window.profile());
        f.dialogs->fileAnswers = {dir.filePath(typed)};
        f.dialogs->filterAnswer = filter;
        f.control<QToolButton>("SpeedButton5")->click();

        QCOMPARE(f.dialogs->errors, QStringList());
        QCOMPARE(Objects(f.window.profile()), before);
        const QString path = dir.filePath(written);
        const QByteArray bytes = Contents(path);
        if (filter == PngFilter) {
            QCOMPARE(QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_RGB32),
                     f.window.drawing());
        } else if (filter == SvgFilter) {
            QVERIFY(bytes.contains("<svg"));
        } else {
            QCOMPARE(ImportDxfFile(LocalPath(path), 1.0).Records, before);
        }
    }
};

QTEST_MAIN(TestExchangeDialogs)
#include "test_exchange_dialogs.moc"
