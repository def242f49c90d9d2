// The design form window against a headless twin told the same: the window
// shows exactly what the form model holds and hands on only what the
// designer does.

#include "app/library_dialog.h"
#include "window_test_support.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <functional>

using namespace gelvant;
using namespace gelvant::testing_window;

namespace {

void checkFormShowsModel(DesignWindow& window) {
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

// Everything shown but the one list.
QStringList shownBesides(MainWindow& window, int listCtl) {
    QStringList lines = shownDesign(window);
    const auto& defs = window.form().model().listDefs();
    const auto def = std::find_if(defs.begin(), defs.end(),
                                  [&](const ListDef& d) { return d.controlId == listCtl; });
    lines.removeIf([&](const QString& line) { return line.startsWith(qs(def->name) + "="); });
    return lines;
}

} // namespace

class DesignWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theFormFollowsTheDesignerLikeTheModel() {
        RecordingPresenter presenter;
        DesignSession session(presenter);
        DesignWindow window(session);
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

    // Over the four kinds: an entry made in 自定义数据 from a built-in row
    // stands in italics after the list's built-in items, and picking it
    // shows every box and text as picking the row does. The personal
    // library keeps it; undo takes it out of the design's lists again.
    void anEntryMadeFromABuiltInRowFillsTheBoxesAsTheRow() {
        Session s;
        QVERIFY(s.start());
        for (const LibraryKind kind : kLibraryKinds) {
            const int listCtl = libraryListControl(kind);
            const QString name = QStringList{"某县", "自制腊肉", "某厂红砖", "纸箱冻品"}.at(
                static_cast<qsizetype>(kindSlot(kind)));
            int item = -1;
            answerNextDialog<LibraryDialog>([&](LibraryDialog& dialog) {
                dialog.tabs()->setCurrentIndex(static_cast<int>(kindSlot(kind)));
                answerNextDialog<LibraryEntryDialog>([&](LibraryEntryDialog& entry) {
                    QComboBox& rows = *entry.builtInItems();
                    rows.setCurrentIndex(rows.count() - 1);
                    item = static_cast<int>(rows.currentData().toULongLong());
                    entry.nameBox()->setText(name);
                    entry.accept();
                });
                dialog.button(LibraryDialog::Button::CopyBuiltIn)->click();
                QCOMPARE(dialog.table(kind)->rowCount(), 1);
                QCOMPARE(dialog.table(kind)->item(0, 0)->text(), name);
                // scripts/screenshot takes the README's picture of the dialog here.
                const QString picture = qEnvironmentVariable("GELVANT_LIBRARY_PICTURE");
                if (kind == LibraryKind::Insulation && !picture.isEmpty()) {
                    QVERIFY(dialog.grab().save(picture));
                }
                dialog.accept();
            });
            s.trigger("库房(&R)", "自定义数据(&B)...");
            QCOMPARE(s.design.personalLibrary().of(kind).size(), std::size_t{1});

            QComboBox& combo = *s.form().list(listCtl);
            const int own = static_cast<int>(s.form().model().builtInItemCount(listCtl));
            QCOMPARE(combo.count(), own + 1);
            QCOMPARE(combo.itemText(own), name);
            QVERIFY(combo.itemData(own, Qt::FontRole).value<QFont>().italic());
            QVERIFY(!combo.itemData(item, Qt::FontRole).value<QFont>().italic());
            pick(combo, item);
            const QStringList byRow = shownBesides(s.window, listCtl);
            pick(combo, own);
            QCOMPARE(combo.currentText(), name);
            QCOMPARE(shownBesides(s.window, listCtl), byRow);
        }
        while (s.design.library().of(LibraryKind::Site).size() == 1 && s.design.canUndo()) {
            s.design.undo();
        }
        const int siteList = libraryListControl(LibraryKind::Site);
        QCOMPARE(static_cast<std::size_t>(s.form().list(siteList)->count()),
                 s.form().model().builtInItemCount(siteList));
    }
};

int gelvant::testing_window::runDesignWindowTests(int argc, char** argv) {
    DesignWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "design_window_test.moc"
