#pragma once

#include "project/project.h"

#include <QDialog>
#include <array>
#include <cstddef>
#include <optional>

class QComboBox;
class QLineEdit;

namespace gelvant {

// 机械负荷系数: the project's choices for the machine load, the cooling
// system (R) and the coefficients n1, n3 and the two n2 defaults, each with
// the range the code allows beside it. 确定 with a value outside its range,
// or not a number, says so naming the range and keeps the dialog open.
class PlantDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlantDialog(const PlantSettings& settings, QWidget* parent = nullptr);

    // The settings as the boxes hold them; nothing while a box holds a value
    // outside its range or no number.
    std::optional<PlantSettings> settings() const;

    QComboBox* system() const { return system_; }
    // n1, n3, n2 of chilled stores, n2 of frozen stores: kPlantCoefficients' order.
    QLineEdit* coefficientBox(std::size_t i) const { return boxes_.at(i); }

    void accept() override;

private:
    std::optional<double> boxValue(std::size_t i) const;
    std::optional<std::size_t> refusedBox() const;

    QComboBox* system_;
    std::array<QLineEdit*, 4> boxes_{};
};

} // namespace gelvant
