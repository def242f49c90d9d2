#pragma once

#include "project/project.h"

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

namespace gelvant {

// 项目信息: the fields of the calculation's title block, with OK and Cancel.
class ProjectInfoDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProjectInfoDialog(const ProjectInfo& info, QWidget* parent = nullptr);

    // What the boxes hold now.
    ProjectInfo info() const;

private:
    // What each field's box holds, in the title block's order.
    std::vector<std::function<std::string()>> boxes_;
};

} // namespace gelvant
