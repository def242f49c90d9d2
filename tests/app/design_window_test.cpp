// The design window on the offscreen platform: what it shows, what it hands
// to the form model, and what it leaves alone. Message boxes are recorded.

#include "app/design_window.h"
#include "app/form_cells_table.h"
#include "app/form_look.h"
#include "sheet/controls.h"
#include "sheet/text_exchange.h"
#include "window/startup.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace gelvant;

namespace {

std::size_t fieldNamed(const char* name) {
    return *fieldIndexByName(name);
}

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Records every box with the state of the form at the moment it is shown.
class ProbePresenter final : public MessagePresenter {
public:
    struct Shown {
        Message message;
        bool formVisible;
        QString totalLoadBox;
    };
    void showMessage(const Message& message) override {
        shown.push_back(
            {message, window != nullptr && window->isVisible(),
             window != nullptr ? window->box(fieldNamed("totalCoolingLoadW"))->text() : QString()});
    }
    void showAbout() override { ++aboutBoxes; }

    CDesignWindow* window = nullptr;
    std::vector<Shown> shown;
    int aboutBoxes = 0;
};

// --- A stand-in form: the real lists and controls, with rules that count ----------

struct ProbeCounts {
    int lengthRule = 0;
    int volumeRule = 0;
    int siteRule = 0;
    int referenceRule = 0;
} counts;

void probeLengthRule(CDesignDlg& dlg) {
    ++counts.lengthRule;
    dlg.readSheet();
    dlg.sheet().innerVolume = dlg.sheet().storeLength * 10.0F;
    dlg.writeSheet(); // changes the volume box: must not run its rule
}
void probeVolumeRule(CDesignDlg&) {
    ++counts.volumeRule;
}
void probeSiteRule(CDesignDlg& dlg) {
    ++counts.siteRule;
    dlg.readSheet();
    dlg.sheet().ambientTemp = 30.0F + static_cast<float>(dlg.currentIndex(ctl::siteChoice));
    dlg.writeSheet();
}
constexpr std::array<std::string_view, 2> kFurtherRows{"第四行", "第五行"};
void probeReferenceRule(CDesignDlg& dlg) {
    ++counts.referenceRule;
    if (!dlg.referenceRowsAppended) {
        dlg.appendItems(ctl::referenceList, kFurtherRows);
        dlg.referenceRowsAppended = true;
    }
    const int row = dlg.currentIndex(ctl::referenceList);
    dlg.setVisible(ctl::applyReferenceButton, row == 0);
    dlg.setStaticText(ctl::referenceNote, "说明：第" + std::to_string(row) + "行");
}
void probeTwoMessages(CDesignDlg& dlg) {
    dlg.sheet().totalCoolingLoadW = 123.0F;
    dlg.writeSheet();
    dlg.showMessage(caption::notice, "第一");
    dlg.showMessage(caption::warning, "第二");
}

constexpr std::array<std::string_view, 3> kSites{"北京", "上海", "天津"};
constexpr std::array<std::string_view, 3> kRows{"第一行", "第二行", "第三行"};

const std::array kProbeEvents{
    EventBinding{1003, EventKind::Edit, &probeLengthRule, "probeLengthRule"},
    EventBinding{1006, EventKind::Edit, &probeVolumeRule, "probeVolumeRule"},
    EventBinding{ctl::siteChoice, EventKind::ListChange, &probeSiteRule, "probeSiteRule"},
    EventBinding{ctl::referenceList, EventKind::Selection, &probeReferenceRule,
                 "probeReferenceRule"},
    EventBinding{ctl::computeButton, EventKind::Click, &probeTwoMessages, "probeTwoMessages"},
};

FormLayout probeLayout() {
    static std::vector<ListDef> lists;
    lists.assign(designFormLists().begin(), designFormLists().end());
    for (ListDef& def : lists) {
        if (def.controlId == ctl::siteChoice) {
            def.items = kSites;
        } else if (def.controlId == ctl::referenceList) {
            def.items = kRows;
        }
    }
    counts = {};
    return {lists, kProbeEvents};
}

// --- What a user does ----------------------------------------------------------------

void typeInto(QLineEdit& line, const QString& text) {
    line.setFocus();
    line.selectAll();
    QTest::keyClicks(&line, text);
}

// A pick from the drop-down, as QComboBox reports it.
void pick(QComboBox& combo, int index) {
    combo.setCurrentIndex(index);
    emit combo.activated(index);
}

void checkFormShowsModel(CDesignWindow& window) {
    CDesignDlg& model = window.model();
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        QCOMPARE(window.box(field)->text(), qs(model.editText(field)));
    }
    for (const ListDef& def : model.listDefs()) {
        QComboBox* combo = window.list(def.controlId);
        QCOMPARE(static_cast<std::size_t>(combo->count()), model.itemCount(def.controlId));
        QCOMPARE(combo->currentIndex(), model.currentIndex(def.controlId));
        QCOMPARE(combo->currentText(), qs(model.listEditText(def.controlId)));
    }
    for (const StaticTextDef& def : kStaticTexts) {
        QCOMPARE(window.text(def.controlId)->text(), qs(model.staticText(def.controlId)));
    }
    QCOMPARE(window.button(ctl::applyReferenceButton)->isHidden(),
             !model.isVisible(ctl::applyReferenceButton));
    QCOMPARE(window.list(ctl::coilRowsChoice)->isHidden(), !model.isVisible(ctl::coilRowsChoice));
}

} // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyFormLook(*qApp); }

    void startUpShowsTheModelBeforeTheForm() {
        ProbePresenter presenter;
        CDesignWindow window(presenter);
        presenter.window = &window;
        window.initialise();
        for (const ProbePresenter::Shown& shown : presenter.shown) {
            QVERIFY2(!shown.formVisible, shown.message.text.c_str()); // start-up boxes come first
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkFormShowsModel(window);
        // Every item reads whole in its drop-down, and in the box once chosen
        // (the catalogue's long rows only in the drop-down).
        for (const ListDef& def : window.model().listDefs()) {
            QComboBox* combo = window.list(def.controlId);
            for (int i = 0; i < combo->count(); ++i) {
                const int width = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
                QVERIFY2(width <= combo->view()->minimumWidth(), qPrintable(combo->itemText(i)));
                QVERIFY2(width <= combo->lineEdit()->width() ||
                             def.controlId == ctl::referenceList || def.hidden,
                         qPrintable(combo->itemText(i)));
            }
        }
    }

    void formHasEveryControlAndFitsTheScreen() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter);
        int shownBoxes = 0;
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            const QLineEdit* box = window.box(field);
            QVERIFY(box != nullptr);
            QCOMPARE(box->isReadOnly(), kFields[field].box == BoxStyle::ReadOnly);
            shownBoxes += box->isHidden() ? 0 : 1;
        }
        QCOMPARE(shownBoxes, 95);
        QVERIFY(window.boxLabel(fieldNamed("freshAirPerPerson"))->isHidden()); // a list stands in
        QCOMPARE(window.text(ctl::airCoolerTubeLabel)->text(),
                 QStringLiteral("（钢管）冷风机传热(w/m2℃)"));
        QVERIFY(window.list(ctl::referenceListCompact)->isHidden());
        QStringList titles;
        for (const QGroupBox* group : window.groups()) {
            if (!group->title().isEmpty()) {
                titles << group->title();
            }
        }
        QCOMPARE(titles.size(), 13);
        QVERIFY(window.topNote()->text().startsWith(QStringLiteral("说明：空库热仅指库板")));

        QCOMPARE(window.windowTitle(), QStringLiteral("Gelvant"));
        QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY2(window.width() <= 1264 && window.height() <= 740,
                 qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
    }

    void typingRunsTheBoxRuleAndWritesRaiseNone() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter, probeLayout());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.boxLabel(fieldNamed("storeLength"))->text(), QStringLiteral("库体长(m)"));
        typeInto(*window.box(fieldNamed("storeLength")), QStringLiteral("8"));
        QCOMPARE(counts.lengthRule, 1);
        QCOMPARE(counts.volumeRule, 0);
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("80"));
        checkFormShowsModel(window);
    }

    void listPicksRunTheirRuleAndTypingClearsTheChoice() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter, probeLayout());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QComboBox& site = *window.list(ctl::siteChoice);
        pick(site, 2);
        QCOMPARE(counts.siteRule, 1);
        QCOMPARE(window.box(fieldNamed("ambientTemp"))->text(), QStringLiteral("32"));

        // Typing over the edit part leaves no current item; the caret stays put.
        site.lineEdit()->setFocus();
        QTest::keyClick(site.lineEdit(), Qt::Key_Home);
        QTest::keyClicks(site.lineEdit(), QStringLiteral("xy"));
        QCOMPARE(site.currentText(), QStringLiteral("xy天津"));
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);
        // An item's exact text, then Enter and leaving the box, picks nothing either.
        site.lineEdit()->selectAll();
        QInputMethodEvent chinese; // Chinese text arrives from the input method
        chinese.setCommitString(QStringLiteral("上海"));
        QApplication::sendEvent(site.lineEdit(), &chinese);
        QTest::keyClick(site.lineEdit(), Qt::Key_Return);
        site.clearFocus();
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);
        QCOMPARE(site.currentText(), QStringLiteral("上海"));
        QCOMPARE(counts.siteRule, 1);
        checkFormShowsModel(window);

        // The catalogue grows once; the apply button follows the model.
        QComboBox& reference = *window.list(ctl::referenceList);
        pick(reference, 1);
        QCOMPARE(reference.count(), 5);
        QVERIFY(window.button(ctl::applyReferenceButton)->isHidden());
        QCOMPARE(window.text(ctl::referenceNote)->text(), QStringLiteral("说明：第1行"));
        pick(reference, 0);
        QCOMPARE(reference.count(), 5);
        QVERIFY(!window.button(ctl::applyReferenceButton)->isHidden());
        QCOMPARE(counts.referenceRule, 2);
        checkFormShowsModel(window);
    }

    void aMinusAloneIsPromptedAndTheOldValueComesBack() {
        ProbePresenter presenter;
        CDesignWindow window(presenter);
        presenter.window = &window;
        window.initialise();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit& roomTemp = *window.box(fieldNamed("roomTemp"));
        const QString before = roomTemp.text();
        typeInto(roomTemp, QStringLiteral("-"));
        // The box's own rule reads it at once, or the calculation reads it.
        window.button(ctl::computeButton)->click();
        const auto prompts = std::count_if(
            presenter.shown.begin(), presenter.shown.end(), [](const ProbePresenter::Shown& s) {
                return s.message == Message{"Gelvant", "请输入一个数字。"};
            });
        QCOMPARE(prompts, 1);
        QCOMPARE(roomTemp.text(), qs(formatFloatText(window.model().sheet().roomTemp)));
        QCOMPARE(roomTemp.text(), before);
        QVERIFY(roomTemp.hasFocus());
        QCOMPARE(roomTemp.selectedText(), roomTemp.text());
    }

    void computeFillsTheResultsAndNotes() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter); // as built, before start-up: the driver's --no-startup
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The driver's worked example, carried out through the window.
        std::ifstream script(GELVANT_EXAMPLE_SCRIPT);
        QVERIFY(script.good());
        std::string line;
        while (std::getline(script, line)) {
            std::istringstream words(line);
            std::string command;
            std::string name;
            std::string value;
            words >> command >> name >> value;
            if (command == "set") { // into the box, as the driver's set: no rule runs
                window.model().setEditText(fieldNamed(name.c_str()), value);
                window.showModel();
            } else if (command == "choose") {
                pick(*window.list(findList(name)->controlId), std::stoi(value));
            } else if (command == "click") {
                window.button(ctl::computeButton)->click();
            }
        }
        QCOMPARE(window.box(fieldNamed("totalCoolingLoadW"))->text(), QStringLiteral("11194"));
        QCOMPARE(window.text(ctl::totalLoadNote)->text(), QStringLiteral("=9641Kcal/h，=11.2KW"));
        checkFormShowsModel(window);
        for (const StaticTextDef& def : kStaticTexts) {
            const QLabel* text = window.text(def.controlId);
            if (!text->wordWrap()) { // one-line notes are never cut off
                QVERIFY2(text->fontMetrics().horizontalAdvance(text->text()) <= text->width(),
                         qPrintable(text->text()));
            }
        }
    }

    // The real form, opened and then used, against a headless twin that is
    // told the same: the window must show exactly what the model computes.
    void openedFormFollowsTheDesignerLikeTheModel() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter);
        window.initialise();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RecordingPresenter twinPresenter;
        CDesignDlg twin(designFormLayout(), twinPresenter);
        OnInitDialog(twin);

        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("1355"));
        QCOMPARE(window.list(ctl::referenceList)->currentIndex(), 27);
        QVERIFY(!window.button(ctl::applyReferenceButton)->isHidden());

        typeInto(*window.box(fieldNamed("storeLength")), QStringLiteral("8"));
        twin.userEdits(fieldNamed("storeLength"), "8");
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(),
                 qs(twin.editText(fieldNamed("innerVolume"))));
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("212"));

        const auto sites = window.model().items(ctl::siteChoice);
        const int lhasa =
            static_cast<int>(std::find(sites.begin(), sites.end(), "拉萨") - sites.begin());
        QVERIFY(lhasa < static_cast<int>(sites.size()));
        pick(*window.list(ctl::siteChoice), lhasa);
        twin.userChooses(ctl::siteChoice, lhasa);
        QCOMPARE(window.box(fieldNamed("ambientTemp"))->text(),
                 qs(twin.editText(fieldNamed("ambientTemp"))));

        pick(*window.list(ctl::referenceList), 5);
        twin.userChooses(ctl::referenceList, 5);
        window.button(ctl::applyReferenceButton)->click();
        twin.userClicks(ctl::applyReferenceButton);
        window.button(ctl::computeButton)->click();
        twin.userClicks(ctl::computeButton);
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            QCOMPARE(window.box(field)->text(), qs(twin.editText(field)));
        }
        QCOMPARE(window.text(ctl::compressorNote1)->text(),
                 qs(twin.staticText(ctl::compressorNote1)));
        QCOMPARE(presenter.messages, twinPresenter.messages);
        checkFormShowsModel(window);
    }

    void messagesComeInOrderOverTheUpdatedForm() {
        ProbePresenter presenter;
        CDesignWindow window(presenter, probeLayout());
        presenter.window = &window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.button(ctl::computeButton)->click();
        QCOMPARE(presenter.shown.size(), std::size_t{2});
        QCOMPARE(qs(presenter.shown[0].message.caption), QStringLiteral("注意"));
        QCOMPARE(qs(presenter.shown[0].message.text), QStringLiteral("第一"));
        QCOMPARE(qs(presenter.shown[1].message.caption), QStringLiteral("警告"));
        QCOMPARE(qs(presenter.shown[1].message.text), QStringLiteral("第二"));
        QCOMPARE(presenter.shown[0].totalLoadBox, QStringLiteral("123"));
    }

    void enterAndEscLeaveTheFormOpen() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter, probeLayout());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit& length = *window.box(fieldNamed("storeLength"));
        length.setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(&length, key);
            QTest::keyClick(window.list(ctl::siteChoice)->lineEdit(), key);
            QTest::keyClick(&window, key);
        }
        QVERIFY(window.isVisible());
        QCOMPARE(counts.lengthRule, 0);
        QVERIFY(presenter.messages.empty());
        QVERIFY(window.close()); // the close box does end it
        QVERIFY(!window.isVisible());
    }

    void aboutBoxFromF1AndTheContextMenu() {
        RecordingPresenter presenter;
        CDesignWindow window(presenter);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        QCOMPARE(presenter.aboutBoxes, 1);

        QString entry;
        QTimer::singleShot(0, &window, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr && menu->actions().size() == 1);
            entry = menu->actions().front()->text();
            menu->actions().front()->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                window.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&window, &event);
        QCOMPARE(entry, QStringLiteral("关于 Gelvant(&A)..."));
        QCOMPARE(presenter.aboutBoxes, 2);
    }
};

QTEST_MAIN(DesignWindowTest)
#include "design_window_test.moc"
