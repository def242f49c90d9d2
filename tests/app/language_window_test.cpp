// 语言 / Language: the window switches without a restart and keeps the
// design, its undo steps and its unsaved changes; every word it shows is
// then English, and switching back shows the Chinese window again.

#include "app/page_flow.h"
#include "app/report_commands.h"
#include "app/report_layout.h"
#include "app/room_selector.h"
#include "app/summary_window.h"
#include "app/view_language.h"
#include "report/report_language.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

// Every word the window and its summary show: labels, titles, buttons, list
// items, menu entries, table headers and cells, tips.
QStringList shownWords(MainWindow& window) {
    QStringList words{window.windowHandle()->title()};
    for (QWidget* root :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(&window.summaryWindow())}) {
        for (const QLabel* label : root->findChildren<QLabel*>()) {
            words << label->text();
        }
        for (const QGroupBox* group : root->findChildren<QGroupBox*>()) {
            words << group->title();
        }
        for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
            words << button->text();
        }
        for (const QComboBox* combo : root->findChildren<QComboBox*>()) {
            if (combo->isHidden()) {
                continue; // the compact catalogue the form never shows
            }
            for (int i = 0; i < combo->count(); ++i) {
                words << combo->itemText(i);
            }
            words << combo->currentText() << combo->toolTip();
        }
        for (const QAction* action : root->findChildren<QAction*>()) {
            words << action->text();
        }
        for (const QMenu* menu : root->findChildren<QMenu*>()) {
            words << menu->title();
        }
        for (const QTableWidget* table : root->findChildren<QTableWidget*>()) {
            for (int c = 0; c < table->columnCount(); ++c) {
                words << table->horizontalHeaderItem(c)->text();
                for (int r = 0; r < table->rowCount(); ++r) {
                    words << (table->item(r, c) != nullptr ? table->item(r, c)->text() : QString());
                }
            }
        }
    }
    return words;
}

QStringList withCjk(const QStringList& words) {
    QStringList found;
    for (const QString& word : words) {
        if (hasCjk(word.toStdString())) {
            found << word;
        }
    }
    return found;
}

// The window's visible captions that do not show their whole text: a
// one-line label narrower than its text, a button or check box narrower
// than it asks for, a group box narrower than its title. Wrapping labels are
// left out: offscreen, their depth follows the fallback fonts' metrics.
QStringList cutCaptions(QWidget& root) {
    QStringList cut;
    const auto check = [&](const QWidget* w, const QString& text, bool whole) {
        if (w->isVisibleTo(&root) && !text.isEmpty() && !whole) {
            cut << QStringLiteral("%1 \"%2\" %3 wide")
                       .arg(QString::fromLatin1(w->metaObject()->className()), text,
                            QString::number(w->width()));
        }
    };
    for (const QLabel* label : root.findChildren<QLabel*>()) {
        if (!label->wordWrap() && !Qt::mightBeRichText(label->text())) {
            check(label, label->text(),
                  label->fontMetrics().horizontalAdvance(label->text()) <=
                      label->contentsRect().width());
        }
    }
    for (const QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QPushButton*>(button) != nullptr ||
            qobject_cast<const QCheckBox*>(button) != nullptr ||
            qobject_cast<const QRadioButton*>(button) != nullptr) {
            check(button, button->text(), button->sizeHint().width() <= button->width());
        }
    }
    for (const QGroupBox* group : root.findChildren<QGroupBox*>()) {
        const int titleWidth = group->fontMetrics().horizontalAdvance(group->title()) + 16;
        check(group, group->title(), titleWidth <= group->width());
    }
    return cut;
}

// Where the texts of a laid-out sheet are drawn, each in its own font on the
// PDF's device, in millimetres; those that run out of the box they were given
// or out of the paper, and those that run into one another.
QStringList crowdedTexts(const Report& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    const double pxPerMm = writer.logicalDpiY() / 25.4;
    const QRectF paper(0, 0, PageFlow::kPageWidthMm, PageFlow::kPageHeightMm);
    constexpr double kSlackMm = 0.1;
    // Across; a line may stand a little above and below a box as tight as its type.
    const auto within = [&](const QRectF& inner, const QRectF& outer) {
        return inner.left() >= outer.left() - kSlackMm && inner.right() <= outer.right() + kSlackMm;
    };
    QStringList found;
    const std::vector<LaidOutPage> pages = layOutReport(report, writer);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::pair<QRectF, QString>> drawn;
        for (const PageItem& item : pages[p].items) {
            const auto* t = std::get_if<PageText>(&item);
            if (t == nullptr || t->text.trimmed().isEmpty()) {
                continue;
            }
            const QFontMetricsF metrics(t->font(), &writer);
            const QRectF px(t->rect.topLeft() * pxPerMm, t->rect.size() * pxPerMm);
            const QRectF drawnPx = metrics.boundingRect(px, t->flags, t->text);
            const QRectF mm(drawnPx.topLeft() / pxPerMm, drawnPx.size() / pxPerMm);
            const QString where = QStringLiteral("page %1: %2").arg(p + 1).arg(t->text);
            if (!within(mm, t->rect) || !within(mm, paper)) {
                found << QStringLiteral("out of its box, ") + where;
            }
            for (const auto& [other, text] : drawn) {
                if (mm.adjusted(kSlackMm, kSlackMm, -kSlackMm, -kSlackMm).intersects(other)) {
                    found << QStringLiteral("over \"%1\", ").arg(text) + where;
                }
            }
            drawn.emplace_back(mm, t->text);
        }
    }
    return found;
}

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setViewLanguage(Language::Chinese); }

    void theWindowSwitchesKeepingTheDesign() {
        Session s;
        QVERIFY(s.start());
        s.key(Qt::CTRL | Qt::Key_T); // the summary in sight, with its rooms
        s.type("storeLength", "12");
        s.trigger("库房(&R)", "复制库房(&C)");
        const QStringList chinese = shownWords(s.window);
        const QStringList design = shownDesign(s.window);
        const FormState before = s.form().model().captureState();
        const std::size_t steps = s.steps();

        s.trigger("语言(&L)", "English");
        QCOMPARE(viewLanguage(), Language::English);
        QCOMPARE(storedLanguage(), Language::English);
        QVERIFY(s.form().model().captureState().sameForm(before));
        QCOMPARE(s.steps(), steps);
        QVERIFY(s.window.session().isModified());
        QCOMPARE(withCjk(shownWords(s.window)).join(QLatin1Char('|')), QString());
        QCOMPARE(s.form().button(ctl::computeButton)->text(), QStringLiteral("Compute load"));
        QCOMPARE(s.window.windowHandle()->title(), QStringLiteral("Untitled*"));
        QCOMPARE(s.window.roomSelector().rooms()->itemText(1), QStringLiteral("Room 1 copy"));
        // The form fits the English words and stays on a 1280-pixel screen.
        QCOMPARE(s.window.minimumSize(), s.window.maximumSize());
        QVERIFY2(s.window.frameGeometry().width() <= 1280,
                 qPrintable(QString::number(s.window.frameGeometry().width())));

        // Undo still takes back the steps made in Chinese, in English words.
        s.trigger("&Edit", "&Undo");
        QCOMPARE(s.window.session().project().rooms.size(), std::size_t{1});
        s.trigger("&Edit", "&Redo");

        s.trigger("&Language", "Chinese");
        QCOMPARE(storedLanguage(), Language::Chinese);
        QCOMPARE(shownDesign(s.window), design);
        QCOMPARE(shownWords(s.window), chinese);
    }

    // The calculation sheet written in English: every word of every page,
    // the machine load and the formulas included, without CJK; the figures
    // are those of the Chinese sheet.
    void theSheetIsWrittenInEnglish() {
        const DesignReadResult read = openDesignFile(std::string(GELVANT_SOURCE_DIR) +
                                                     "/examples/distribution-cold-store.gelvant");
        QVERIFY(read.design);
        // The designer's own words in English too: the sheet's are then all the program's.
        Project project = read.design->project;
        project.info = {"Distribution store", "Cold Co", "A. Designer", "", "", "", "", ""};
        for (std::size_t i = 0; i < project.rooms.size(); ++i) {
            project.rooms[i].name = "Store " + std::to_string(i + 1);
        }
        QTemporaryDir dir;
        const auto sheetText = [&](Language language, const QString& name) {
            setViewLanguage(language);
            ReportCommands commands(
                nullptr, [&]() -> const Project& { return project; }, [] { return QString(); });
            ReportCommands::Dialogs dialogs;
            dialogs.scope = [](const QString&) { return ReportScope::WholeProject; };
            dialogs.saveFileName = [&](const QString&, const QString&, const QString&) {
                return dir.filePath(name);
            };
            commands.setDialogs(dialogs);
            commands.action(Command::ExportPdf)->trigger();
            QProcess text;
            text.start(QStringLiteral("pdftotext"),
                       {QStringLiteral("-raw"), dir.filePath(name), QStringLiteral("-")});
            text.waitForFinished();
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        const QString chinese = sheetText(Language::Chinese, QStringLiteral("zh.pdf"));
        const QString english = sheetText(Language::English, QStringLiteral("en.pdf"));
        QVERIFY(chinese.contains(QStringLiteral("Qj = (n1")));
        QVERIFY(english.contains(QStringLiteral("Cold store cooling load calculation")));
        QCOMPARE(withCjk(english.split(QLatin1Char('\n'))).join(QLatin1Char('|')), QString());
        // The figures are the Chinese sheet's: each room's cooling load.
        for (const Room& room : project.rooms) {
            const QString total = qs(room.form->editTexts.at(fieldNamed("totalCoolingLoadW")));
            QVERIFY(chinese.contains(total));
            QVERIFY(english.contains(total));
        }
    }

    // At its opening size, in either language, every caption of the window
    // shows its whole text.
    void theWindowShowsWholeCaptionsInEitherLanguage() {
        for (const Language language : {Language::Chinese, Language::English}) {
            setViewLanguage(language);
            Session s;
            QVERIFY(s.start());
            const QStringList cut = cutCaptions(s.window);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
        }
    }

    // The sheet of a project of several rooms, in either language: no text
    // runs out of its cell or the paper, none runs into another.
    void theSheetLaysOutCleanlyInEitherLanguage() {
        const DesignReadResult read = openDesignFile(std::string(GELVANT_SOURCE_DIR) +
                                                     "/examples/distribution-cold-store.gelvant");
        QVERIFY(read.design);
        for (const Language language : {Language::Chinese, Language::English}) {
            setViewLanguage(language);
            Report sheet = buildReport(read.design->project, ReportScope::WholeProject, "a.gelvant",
                                       "2026-01-01");
            translateReport(sheet, language);
            const QStringList crowded = crowdedTexts(sheet);
            for (auto& c : crowded)
                qWarning() << c;
            QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join(QLatin1Char('\n'))));
        }
    }

    // The system's language decides the first start; a choice then stays.
    void theFirstStartFollowsTheSystem() {
        QSettings settings(QStringLiteral("gelvant"), QStringLiteral("gelvant"));
        settings.remove(QStringLiteral("language"));
        const QLocale system = QLocale::system();
        QCOMPARE(storedLanguage(),
                 system.language() == QLocale::English ? Language::English : Language::Chinese);
        storeLanguage(Language::English);
        QCOMPARE(storedLanguage(), Language::English);
        settings.remove(QStringLiteral("language"));
    }
};

int gelvant::testing_window::runLanguageWindowTests(int argc, char** argv) {
    LanguageWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "language_window_test.moc"
