#pragma once

#include <QDialog>

namespace gelvant {

// The About box: the program icon, the line "Gelvant" and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace gelvant
