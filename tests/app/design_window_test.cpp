// The design form window against a headless twin told the same: the window
// shows exactly what the form model holds and hands on only what the
// designer does.

#include "window_test_support.h"

#include <QPushButton>
#include <algorithm>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

void checkFormShowsModel(CDesignWindow& window) {
    const CDesignDlg& model = window.model();
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
    void theFormFollowsTheDesignerLikeTheModel() {
        RecordingPresenter presenter;
        DesignSession session(presenter);
        CDesignWindow window(session);
        session.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        checkFormShowsModel(window);
        QCOMPARE(window.list(ctl::referenceList)->currentIndex(), 27);
        RecordingPresenter twinPresenter;
        CDesignDlg twin(designFormListsAndEvents(), twinPresenter);
        OnInitDialog(twin);

        // Enter and Esc run nothing and leave the form open.
        const std::size_t startUpBoxes = presenter.messages.size();
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
        window.button(ctl::computeButton)->click();
        twin.userClicks(ctl::computeButton);
        QVERIFY(window.box(fieldNamed("totalCoolingLoadW"))->text() != loadBefore);

        // Typing over a list's edit part leaves no current item.
        QComboBox& site = *window.list(ctl::siteChoice);
        const QString siteBefore = site.currentText();
        site.lineEdit()->setFocus();
        QTest::keyClick(site.lineEdit(), Qt::Key_Home);
        QTest::keyClicks(site.lineEdit(), QStringLiteral("xy"));
        site.clearFocus();
        twin.userClearsList(ctl::siteChoice, "xy" + siteBefore.toStdString());
        QCOMPARE(window.model().currentIndex(ctl::siteChoice), -1);

        // A lone minus is prompted; the old value comes back, focus and
        // selection on it.
        QLineEdit& roomTemp = *window.box(fieldNamed("roomTemp"));
        const QString before = roomTemp.text();
        const auto shown = static_cast<std::ptrdiff_t>(presenter.messages.size());
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
