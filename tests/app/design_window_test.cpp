// The design form window: it shows exactly what the form model holds, hands
// on only what the designer does, and its boxes come over the form as it stands.

#include "window_test_support.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPushButton>
#include <algorithm>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

// Records every box, and what the total-load box showed under it ("-" while
// the form was not yet on screen).
class ProbePresenter final : public MessagePresenter {
public:
    void showMessage(const Message& message) override {
        messages.push_back(message);
        shownOver << (window != nullptr && window->isVisible()
                          ? window->box(fieldNamed("totalCoolingLoadW"))->text()
                          : QStringLiteral("-"));
    }
    void showAbout() override {}

    CDesignWindow* window = nullptr;
    std::vector<Message> messages;
    QStringList shownOver;
};

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
    // The real form, opened and then used, against a headless twin that is
    // told the same: the window shows exactly what the model computes.
    void theFormFollowsTheDesignerLikeTheModel() {
        ProbePresenter presenter;
        CDesignWindow window(presenter);
        presenter.window = &window;
        window.initialise();
        QVERIFY(!presenter.messages.empty()); // the start-up boxes, before the form
        QCOMPARE(presenter.shownOver.count(QStringLiteral("-")), presenter.shownOver.size());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        checkFormShowsModel(window);
        QCOMPARE(window.list(ctl::referenceList)->currentIndex(), 27);
        RecordingPresenter twinPresenter;
        CDesignDlg twin(designFormLayout(), twinPresenter);
        OnInitDialog(twin);
        const std::size_t startUpBoxes = presenter.messages.size();

        // Enter and Esc run nothing and leave the form open.
        QLineEdit& length = *window.box(fieldNamed("storeLength"));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(&length, key);
            QTest::keyClick(window.list(ctl::siteChoice)->lineEdit(), key);
            QTest::keyClick(&window, key);
        }
        QVERIFY(window.isVisible());
        QCOMPARE(presenter.messages.size(), startUpBoxes);

        typeInto(length, QStringLiteral("8"));
        twin.userEdits(fieldNamed("storeLength"), "8");
        QCOMPARE(window.box(fieldNamed("innerVolume"))->text(), QStringLiteral("212"));
        const auto sites = window.model().items(ctl::siteChoice);
        const int lhasa =
            static_cast<int>(std::find(sites.begin(), sites.end(), "拉萨") - sites.begin());
        pick(*window.list(ctl::siteChoice), lhasa);
        twin.userChooses(ctl::siteChoice, lhasa);
        pick(*window.list(ctl::referenceList), 5);
        twin.userChooses(ctl::referenceList, 5);
        window.button(ctl::applyReferenceButton)->click();
        twin.userClicks(ctl::applyReferenceButton);
        typeInto(*window.box(fieldNamed("airCoolerCount")), QStringLiteral("0"));
        twin.userEdits(fieldNamed("airCoolerCount"), "0");
        const QString loadBefore = window.box(fieldNamed("totalCoolingLoadW"))->text();
        const qsizetype boxesBefore = presenter.shownOver.size();
        window.button(ctl::computeButton)->click();
        twin.userClicks(ctl::computeButton);
        const QString load = window.box(fieldNamed("totalCoolingLoadW"))->text();
        QVERIFY(load != loadBefore);
        QVERIFY(presenter.shownOver.size() > boxesBefore);
        QCOMPARE(presenter.shownOver.back(), load); // the box over the computed form

        // Typing over a list's edit part leaves no current item and runs
        // nothing; an item's exact text from the input method, then Enter and
        // leaving the box, picks nothing either.
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
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);

        // A lone minus is prompted, the old value comes back, focus and
        // selection on it.
        QLineEdit& roomTemp = *window.box(fieldNamed("roomTemp"));
        const QString before = roomTemp.text();
        const std::size_t shown = presenter.messages.size();
        typeInto(roomTemp, QStringLiteral("-"));
        window.button(ctl::computeButton)->click();
        twin.userEdits(fieldNamed("roomTemp"), "-");
        twin.userClicks(ctl::computeButton);
        QCOMPARE(std::count(presenter.messages.begin() + static_cast<std::ptrdiff_t>(shown),
                            presenter.messages.end(), Message{"Gelvant", "请输入一个数字。"}),
                 1);
        QCOMPARE(roomTemp.text(), before);
        QVERIFY(roomTemp.hasFocus());
        QCOMPARE(roomTemp.selectedText(), roomTemp.text());

        QVERIFY(window.model().captureState().sameForm(twin.captureState()));
        QCOMPARE(presenter.messages, twinPresenter.messages);
        checkFormShowsModel(window);
    }
};

int gelvant::testing_window::runDesignWindowTests(int argc, char** argv) {
    DesignWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "design_window_test.moc"
