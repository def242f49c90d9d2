#pragma once

#include "app/room_commands.h"
#include "app/view_language.h"
#include "document/atomic_file.h"
#include "session/design_session.h"
#include "session/document_workflow.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>

class QMenu;

namespace gelvant {

class DesignWindow;
class DocumentPrompts;
class MessagePresenter;
class RecoveryStore;
class RoomSelector;
class SummaryWindow;

// The program's window: the design form under a menu bar of file, edit, room
// and help commands, with the room selector in the bar's corner and the
// project summary in a window of its own. It names the design's file in its
// title with a mark while there are unsaved changes, asks before they would
// be lost, keeps them in a recovery file while they are unsaved, and opens
// files dropped on it. It is a view of a design session: what a command does
// to the design, the session decides; after every change the window shows it
// all again.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The most recent files the file menu lists.
    static constexpr int kRecentFiles = 8;
    // The session's form messages go where the session was told; the
    // window's own boxes (a file that cannot be read or written) to messages.
    MainWindow(DesignSession& session, MessagePresenter& messages, DocumentPrompts& prompts,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Unsaved changes are kept in this store (without one, nowhere).
    void setRecoveryStore(RecoveryStore* store) { recovery_ = store; }
    // Where the personal library is kept (empty: nowhere, as in the tests).
    void setPersonalLibraryFile(const QString& path) { personalFile_ = path; }
    // 自定义数据: the design's own entries, kept in the personal library too.
    void editLibrary();

    // The system calls a save makes, so that a test can fill the disk.
    void setFileSystemCalls(const FileSystemCalls& calls) { calls_ = &calls; }

    // Before the window is shown: offers back a design a crash left unsaved,
    // then opens the file given or else runs the start-up sequence with
    // its welcome box.
    void start(const QString& file = {});

    DesignWindow& form() const { return *form_; }
    // The design the window shows, read only: changes go through the verbs.
    const DesignSession& session() const { return session_; }
    // The design's file; empty before the first save.
    QString filePath() const { return QString::fromStdString(workflow_.file()); }

    // The file commands as the menu runs them; false when not carried out
    // (cancelled, or the file could not be read or written).
    bool newDesign();
    bool openDesign();
    bool openFile(const QString& path);
    bool save();
    bool saveAs();
    void editProjectInfo();

    // The recent files, newest first, and the menu that lists them.
    static QStringList recentFiles();
    QMenu* recentMenu() const { return recentMenu_; }

    // 语言: shows every word of the window in the language, keeping the
    // design, its undo steps and its unsaved changes, and remembers it.
    void setLanguage(Language language);

    // The rooms: the 库房 menu's commands, the selector, the summary window.
    RoomCommands& roomCommands() const { return *roomCommands_; }
    RoomSelector& roomSelector() const { return *roomSelector_; }
    SummaryWindow& summaryWindow() const { return *summary_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    QMenu* buildLanguageMenu();
    void buildRooms();
    void fillRecentMenu();
    // Takes a request of the file workflow to its end; true when carried out.
    bool carryOut(WorkflowStep step);
    bool saveTo(const QString& path);
    bool offerRecovery();
    void sessionChanged();
    // The title with the file's name and the modified mark; the recovery file.
    void showDesignState();
    // Writes the recovery file now; false when it could not be written.
    bool writeRecovery();

    DesignSession& session_;
    MessagePresenter& messages_;
    DocumentPrompts& prompts_;
    DocumentWorkflow workflow_;
    DesignWindow* form_;
    QMenu* recentMenu_ = nullptr;
    WindowRoomDialogs roomDialogs_{this};
    RoomCommands* roomCommands_ = nullptr;
    RoomSelector* roomSelector_ = nullptr;
    SummaryWindow* summary_ = nullptr;
    std::map<Language, QAction*> languages_;
    RecoveryStore* recovery_ = nullptr;
    const FileSystemCalls* calls_ = &systemFileCalls();
    QString personalFile_;
    QTimer recoveryTimer_;
    SessionListenerId listener_ = 0;
};

} // namespace gelvant
