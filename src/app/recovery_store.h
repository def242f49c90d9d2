#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

class QLockFile;

namespace gelvant {

// Where a design with unsaved changes is kept safe from a crash: one file
// per running program in the user's state folder, beside a lock the program
// holds while it runs. A file whose lock no running program holds was left
// by a program that ended without closing; the next start offers it back.
// Two programs open at once never take each other's file.
class RecoveryStore {
public:
    // The user's state folder for Gelvant (see defaultFolder).
    RecoveryStore();
    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_STATE_HOME/gelvant, ~/.local/state/gelvant when that is not set.
    static QString defaultFolder();

    // This program's recovery file (written or not).
    QString file() const { return file_; }
    // Writes the copy of the unsaved design to this program's file with the
    // safe write.
    std::error_code write(std::string_view copy);
    // Removes this program's file: the design is saved or closed.
    void remove();

    // Files left by programs that did not close, newest first. They are
    // this program's to decide on until it lets them go or ends.
    QStringList claimLeftFiles();
    // Deletes a claimed file: restored and kept safe again, or given up.
    void forget(const QString& leftFile);

private:
    QString folder_;
    QString file_;
    std::unique_ptr<QLockFile> lock_;
    std::vector<std::pair<QString, std::unique_ptr<QLockFile>>> claimed_;
};

} // namespace gelvant
