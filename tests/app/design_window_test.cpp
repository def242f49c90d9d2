// The design window on the offscreen platform: what it shows, what it hands
// to the form model, and what it leaves alone. Message boxes are recorded.

#include "app/design_window.h"
#include "app/form_look.h"
#include "sheet/controls.h"
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
#include <QTimer>
#include <QtTest>
#include <algorithm>
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

// Records every box, and what the total-load box showed under it ("-"
// while the form was not yet on screen).
class ProbePresenter final : public MessagePresenter {
public:
    void showMessage(const Message& message) override {
        messages.push_back(message);
        shownOver << (window && window->isVisible()
                          ? window->box(fieldNamed("totalCoolingLoadW"))->text()
                          : QStringLiteral("-"));
    }
    void showAbout() override { ++aboutBoxes; }

    CDesignWindow* window = nullptr;
    std::vector<Message> messages;
    QStringList shownOver;
    int aboutBoxes = 0;
};

// A stand-in form: the real lists and controls, with rules that count.
int lengthRules = 0;
int volumeRules = 0;

const std::array kProbeEvents{
    EventBinding{1003, EventKind::Edit,
                 [](CDesignDlg& dlg) {
                     ++lengthRules;
                     dlg.readSheet();
                     dlg.sheet().innerVolume = dlg.sheet().storeLength * 10.0F;
                     dlg.writeSheet(); // changes the volume box: must not run its rule
                 },
                 "probeLengthRule"},
    EventBinding{1006, EventKind::Edit, [](CDesignDlg&) { ++volumeRules; }, "probeVolumeRule"},
    EventBinding{ctl::computeButton, EventKind::Click,
                 [](CDesignDlg& dlg) {
                     dlg.sheet().totalCoolingLoadW = 123.0F;
                     dlg.writeSheet();
                     dlg.showMessage(caption::notice, "第一");
                     dlg.showMessage(caption::warning, "第二");
                 },
                 "probeTwoMessages"},
};

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

    // The start-up boxes come before the form; then the form shows the
    // computed row-27 design, every control in place, on a 1280x800 screen.
    void startUpShowsTheComputedFormThatFitsTheScreen() {
        ProbePresenter presenter;
        CDesignWindow window(presenter);
        presenter.window = &window;
        window.initialise();
        QVERIFY(!presenter.messages.empty());
        QCOMPARE(presenter.shownOver.count(QStringLiteral("-")), presenter.shownOver.size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkFormShowsModel(window);
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("1355"));
        QCOMPARE(window.list(ctl::referenceList)->currentIndex(), 27);
        QVERIFY(!window.button(ctl::applyReferenceButton)->isHidden());

        int shownBoxes = 0;
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            QCOMPARE(window.box(field)->isReadOnly(), kFields[field].box == BoxStyle::ReadOnly);
            shownBoxes += window.box(field)->isHidden() ? 0 : 1;
        }
        QCOMPARE(shownBoxes, 95);
        QCOMPARE(window.boxLabel(fieldNamed("storeLength"))->text(), QStringLiteral("库体长(m)"));
        QVERIFY(window.list(ctl::referenceListCompact)->isHidden());
        QCOMPARE(std::count_if(window.groups().begin(), window.groups().end(),
                               [](const QGroupBox* group) { return !group->title().isEmpty(); }),
                 13);
        QVERIFY(window.topNote()->text().startsWith(QStringLiteral("说明：空库热仅指库板")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Gelvant"));
        QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY2(window.width() <= 1264 && window.height() <= 740,
                 qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
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

    // Enter and Esc run nothing and leave the form open; typing runs the
    // box's rule, whose sheet write runs none; messages come in order, over
    // the updated form; the close box ends it.
    void theWindowRaisesOnlyTheDesignersEvents() {
        ProbePresenter presenter;
        CDesignWindow window(presenter, {designFormLists(), kProbeEvents});
        presenter.window = &window;
        lengthRules = volumeRules = 0;
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
        QCOMPARE(lengthRules, 0);
        QVERIFY(presenter.messages.empty());

        typeInto(length, QStringLiteral("8"));
        QCOMPARE(lengthRules, 1);
        QCOMPARE(volumeRules, 0);
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("80"));
        checkFormShowsModel(window);

        window.button(ctl::computeButton)->click();
        const std::vector<Message> expected{{"注意", "第一"}, {"警告", "第二"}};
        QCOMPARE(presenter.messages, expected);
        QCOMPARE(presenter.shownOver.front(), QStringLiteral("123"));

        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
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

        typeInto(*window.box(fieldNamed("storeLength")), QStringLiteral("8"));
        twin.userEdits(fieldNamed("storeLength"), "8");
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

        // Typing over a list's edit part leaves no current item and runs
        // nothing, the caret staying put; an item's exact text from the input
        // method, then Enter and leaving the box, picks nothing either.
        QComboBox& site = *window.list(ctl::siteChoice);
        const QString siteBefore = site.currentText();
        site.lineEdit()->setFocus();
        QTest::keyClick(site.lineEdit(), Qt::Key_Home);
        QTest::keyClicks(site.lineEdit(), QStringLiteral("xy"));
        QCOMPARE(site.currentText(), "xy" + siteBefore);
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);
        site.lineEdit()->selectAll();
        QInputMethodEvent chinese;
        chinese.setCommitString(QStringLiteral("拉萨"));
        QApplication::sendEvent(site.lineEdit(), &chinese);
        QTest::keyClick(site.lineEdit(), Qt::Key_Return);
        site.clearFocus();
        twin.userClearsList(ctl::siteChoice, "拉萨");
        QCOMPARE(site.currentText(), QStringLiteral("拉萨"));

        // A lone minus is prompted (by the box's own rule or by the
        // calculation), the old value comes back, focus and selection on it.
        QLineEdit& roomTemp = *window.box(fieldNamed("roomTemp"));
        const QString before = roomTemp.text();
        const std::size_t shown = presenter.messages.size();
        typeInto(roomTemp, QStringLiteral("-"));
        window.button(ctl::computeButton)->click();
        twin.userEdits(fieldNamed("roomTemp"), "-");
        twin.userClicks(ctl::computeButton);
        QCOMPARE(std::count(presenter.messages.begin() + shown, presenter.messages.end(),
                            Message{"Gelvant", "请输入一个数字。"}),
                 1);
        QCOMPARE(roomTemp.text(), before);
        QVERIFY(roomTemp.hasFocus());
        QCOMPARE(roomTemp.selectedText(), roomTemp.text());

        // The results and notes are filled as the model computes them, and
        // one-line notes are never cut off.
        for (std::size_t field = 0; field < kFieldCount; ++field) {
            QCOMPARE(window.box(field)->text(), qs(twin.editText(field)));
        }
        for (const StaticTextDef& def : kStaticTexts) {
            const QLabel* text = window.text(def.controlId);
            QCOMPARE(text->text(), qs(twin.staticText(def.controlId)));
            QVERIFY2(text->wordWrap() ||
                         text->fontMetrics().horizontalAdvance(text->text()) <= text->width(),
                     qPrintable(text->text()));
        }
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);
        QCOMPARE(presenter.messages, twinPresenter.messages);
        checkFormShowsModel(window);
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
