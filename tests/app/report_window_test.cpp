// The report's pages and commands on the offscreen platform: what the pages
// hold and where, the PDF and the printer, the clipboard, and the commands
// with their questions answered by the test.

#include "app/pdf_text_map.h"
#include "app/report_commands.h"
#include "app/report_painter.h"
#include "core/report_forms.h"
#include "report/report_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

using namespace gelvant;
using namespace gelvant::testing_report;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

Project oneRoom() {
    Project p = singleRoomProject(startupForm());
    p.info = {"冷链物流中心", "设计院", "王工", "2026-05-01", ""};
    return p;
}

// Four rooms, one of them with a division by zero in its results.
Project fourRooms() {
    Project p = oneRoom();
    p.rooms.push_back(room("冻结间", referenceRoomForm(6)));
    p.rooms.push_back(room("冷藏间", referenceRoomForm(12), CoolingEquipment::Coil));
    p.rooms.push_back(room("坏库", computedWith("coolingHours", "0")));
    p.current = 1;
    return p;
}

QString allText(const std::vector<LaidOutPage>& pages) {
    QString text;
    for (const LaidOutPage& page : pages) {
        for (const PageItem& item : page.items) {
            if (const auto* t = std::get_if<PageText>(&item)) {
                text += t->text + QLatin1Char('\n');
            }
        }
    }
    return text;
}

} // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void pagesKeepEverythingOnThePaperAndEveryLineOfTextInItsCell_data() {
        QTest::addColumn<int>("project");
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("leastPages");
        QTest::addColumn<int>("mostPages");
        QTest::newRow("one room") << 0 << int(ReportScope::WholeProject) << 1 << 3;
        QTest::newRow("four rooms, whole project")
            << 1 << int(ReportScope::WholeProject) << 5 << 13;
        QTest::newRow("four rooms, current room") << 1 << int(ReportScope::CurrentRoom) << 1 << 3;
        QTest::newRow("no room at all") << 2 << int(ReportScope::CurrentRoom) << 1 << 1;
    }

    void pagesKeepEverythingOnThePaperAndEveryLineOfTextInItsCell() {
        QFETCH(int, project);
        QFETCH(int, scope);
        QFETCH(int, leastPages);
        QFETCH(int, mostPages);
        const Report report =
            buildReport(project == 0   ? oneRoom()
                        : project == 1 ? fourRooms()
                                       : Project{},
                        static_cast<ReportScope>(scope), "cold.gelvant", "2026-05-02");
        QPdfWriter device(dir_.filePath(QStringLiteral("measure.pdf")));
        device.setResolution(600);
        const PageFlow metrics(device);
        const std::vector<LaidOutPage> pages = layOutReport(report, device);
        QVERIFY(int(pages.size()) >= leastPages);
        QVERIFY(int(pages.size()) <= mostPages);
        const QRectF paper(0, 0, PageFlow::kPageWidthMm, PageFlow::kPageHeightMm);
        const QRectF printable =
            paper.adjusted(PageFlow::kMarginLeftMm - 0.01, 5, -PageFlow::kMarginRightMm + 0.01, -5);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            int footers = 0;
            for (const PageItem& item : pages[p].items) {
                if (const auto* t = std::get_if<PageText>(&item)) {
                    QVERIFY2(printable.contains(t->rect), qPrintable(t->text));
                    if (!(t->flags & Qt::TextWordWrap)) {
                        // A line that is not wrapped must fit across its cell.
                        QVERIFY2(metrics.textWidth(t->role, t->text) <= t->rect.width() + 0.3,
                                 qPrintable(t->text));
                    }
                    footers += t->text == qs(pageNumberText(int(p) + 1, int(pages.size())));
                } else if (const auto* b = std::get_if<PageBox>(&item)) {
                    QVERIFY(printable.contains(b->rect));
                }
            }
            QCOMPARE(footers, 1);
        }
        const QString text = allText(pages);
        QVERIFY(text.contains(QStringLiteral("冷库冷负荷计算书")));
        QVERIFY(text.contains(QStringLiteral("cold.gelvant")));
        QCOMPARE(text.contains(QStringLiteral("项目汇总")), report.summary.has_value());
        for (const RoomReport& room : report.rooms) {
            QVERIFY(text.contains(qs(room.load.total.watts)));
            QVERIFY(text.contains(qs(room.stateNote)));
        }
    }

    void copiedTextMapsGiveIdeographsAndSpacesInPlace() {
        // A text map as the toolkit writes it: the code space, ranges, single entries.
        const QByteArray map = "begincmap\n1 begincodespacerange\n<0000> <FFFF>\n"
                               "endcodespacerange\n2 beginbfrange\n"
                               "<0001> <0003> [<2F6C> <0009> <4EBA>]\n<2F08> <2F08> <2F08>\n"
                               "endbfrange\n1 beginbfchar\n<0004> <2EDA>\nendbfchar\nendcmap\n";
        QByteArray pdf = "%PDF-1.4\n7 0 obj\n<< /Type /Font\n/ToUnicode 9 0 R>>\nendobj\n"
                         "9 0 obj\n<< /Length " +
                         QByteArray::number(map.size()) + " >>\nstream\n" + map +
                         "\nendstream\nendobj\n";
        const qsizetype size = pdf.size();
        correctTextMaps(pdf, PageFlow::font(FontRole::Body));
        QCOMPARE(pdf.size(), size);
        QVERIFY(pdf.contains("<0001> <0003> [<76EE> <0020> <4EBA>]")); // 目, space, 人
        QVERIFY(pdf.contains("<2F08> <2F08> <4EBA>\n"));               // glyph codes stay
        QVERIFY(pdf.contains("<0004> <9875>\n"));                      // 页
        QVERIFY(pdf.contains("<0000> <FFFF>\n"));
    }

    void thePrintPreviewShowsEveryPage() {
        const Report report = buildReport(fourRooms(), ReportScope::WholeProject, "", "");
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewWidget preview(&printer);
        int painted = 0;
        connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                [&](QPrinter* target) { painted = printReport(report, *target); });
        preview.updatePreview();
        QVERIFY(painted > 4);
        QCOMPARE(preview.pageCount(), painted);
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    }

    void actionsCarryTheirTextsAndShortcuts() {
        ReportCommands commands(
            nullptr, []() -> const Project& { return project(); }, [] { return QString(); });
        const QList<QAction*> file = commands.fileActions();
        QCOMPARE(file.size(), 4);
        const QStringList texts{QStringLiteral("导出计算书(PDF)..."), QStringLiteral("打印预览..."),
                                QStringLiteral("打印..."), QStringLiteral("导出结果(CSV)...")};
        const QList<QKeySequence> keys{QKeySequence(QStringLiteral("Ctrl+E")), QKeySequence(),
                                       QKeySequence(QStringLiteral("Ctrl+P")), QKeySequence()};
        for (int i = 0; i < file.size(); ++i) {
            QCOMPARE(file[i]->text(), texts[i]);
            QCOMPARE(file[i]->shortcut(), keys[i]);
        }
        QCOMPARE(commands.copyResultsAction()->text(), QStringLiteral("复制结果"));
        QCOMPARE(commands.copyResultsAction()->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    }

    void copyResultsPutsTheCurrentRoomsLoadTableOnTheClipboard() {
        project() = fourRooms();
        ReportCommands commands(
            nullptr, []() -> const Project& { return project(); }, [] { return QString(); });
        commands.copyResultsAction()->trigger();
        const QString pasted = QApplication::clipboard()->text();
        QCOMPARE(pasted, qs(loadTableTsv(buildRoomReport(project().rooms[1]))));
        const QStringList lines = pasted.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 13);
        for (const QString& line : lines) {
            QCOMPARE(line.count(QLatin1Char('\t')), 4);
        }
    }

    void exportsAskForTheScopeOfSeveralRoomsAndWriteWhereTheyAreTold_data() {
        QTest::addColumn<bool>("severalRooms");
        QTest::addColumn<int>("answer"); // -1: the designer cancels
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("suggestedName");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("summary");
        QTest::newRow("one room: no question")
            << false << -1 << false << "cold.pdf" << true << false;
        QTest::newRow("several, whole project")
            << true << int(ReportScope::WholeProject) << true << "cold.pdf" << true << true;
        QTest::newRow("several, current room")
            << true << int(ReportScope::CurrentRoom) << true << "cold-冻结间.pdf" << true << false;
        QTest::newRow("several, cancelled") << true << -1 << true << "" << false << false;
    }

    void exportsAskForTheScopeOfSeveralRoomsAndWriteWhereTheyAreTold() {
        QFETCH(bool, severalRooms);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(QString, suggestedName);
        QFETCH(bool, written);
        QFETCH(bool, summary);
        project() = severalRooms ? fourRooms() : oneRoom();
        const QString designPath = dir_.filePath(QStringLiteral("cold.gelvant"));
        const QString out = dir_.filePath(QStringLiteral("exported.pdf"));
        QFile::remove(out);
        ReportCommands commands(
            nullptr, []() -> const Project& { return project(); },
            [designPath] { return designPath; });
        bool scopeAsked = false;
        QString suggested;
        ReportCommands::Dialogs dialogs;
        dialogs.scope = [&](const QString&) -> std::optional<ReportScope> {
            scopeAsked = true;
            return answer < 0 ? std::nullopt : std::optional(static_cast<ReportScope>(answer));
        };
        dialogs.saveFileName = [&](const QString&, const QString& offered, const QString&) {
            suggested = offered;
            return out;
        };
        dialogs.failure = [](const QString&, const QString& text) { QFAIL(qPrintable(text)); };
        commands.setDialogs(dialogs);
        commands.fileActions().at(0)->trigger();
        QCOMPARE(scopeAsked, asked);
        QCOMPARE(QFileInfo(suggested).fileName(), suggestedName);
        QCOMPARE(QFile::exists(out), written);
        if (written) {
            QFile pdf(out);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            QVERIFY(pdf.read(5) == "%PDF-");
            const Report expected = commands.report(asked ? static_cast<ReportScope>(answer)
                                                          : ReportScope::CurrentRoom);
            QCOMPARE(expected.summary.has_value(), summary);
        }
    }

    void theCsvExportWritesTheWholeProjectAndAFailureIsTold() {
        project() = fourRooms();
        ReportCommands commands(
            nullptr, []() -> const Project& { return project(); }, [] { return QString(); });
        QStringList failures;
        ReportCommands::Dialogs dialogs;
        QString target = dir_.filePath(QStringLiteral("results.csv"));
        dialogs.saveFileName = [&](const QString&, const QString&, const QString&) {
            return target;
        };
        dialogs.failure = [&](const QString&, const QString& text) { failures << text; };
        commands.setDialogs(dialogs);
        commands.fileActions().at(3)->trigger();
        QFile csv(target);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(bytes.toStdString(), reportCsv(commands.report(ReportScope::WholeProject)));
        QVERIFY(failures.isEmpty());

        target = dir_.filePath(QStringLiteral("no-such-folder/results.csv"));
        commands.fileActions().at(3)->trigger();
        QCOMPARE(failures.size(), 1);
        QVERIFY(failures[0].contains(QStringLiteral("no-such-folder")));
        QVERIFY(!commands.exportPdfTo(target, ReportScope::WholeProject));
        QCOMPARE(failures.size(), 2);
    }

    void filesAreOfferedBesideTheDesignOrInTheHomeFolder() {
        QCOMPARE(ReportCommands::suggestedFileName(QStringLiteral("/d/cold.store.gelvant"), {},
                                                   QStringLiteral("pdf")),
                 QStringLiteral("/d/cold.store.pdf"));
        QCOMPARE(ReportCommands::suggestedFileName(QStringLiteral("/d/cold.gelvant"),
                                                   QStringLiteral("A/B"), QStringLiteral("pdf")),
                 QStringLiteral("/d/cold-A-B.pdf"));
        QCOMPARE(ReportCommands::suggestedFileName({}, {}, QStringLiteral("csv")),
                 QDir::home().filePath(QStringLiteral("冷负荷计算书.csv")));
    }

private:
    static Project& project() {
        static Project shared = oneRoom();
        return shared;
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
