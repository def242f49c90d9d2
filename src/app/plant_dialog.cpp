#include "app/plant_dialog.h"

#include "app/qt_text.h"
#include "plant/plant_settings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace gelvant {
namespace {

constexpr std::array kSystems{CoolingSystem::Direct, CoolingSystem::Indirect};

} // namespace

PlantDialog::PlantDialog(const PlantSettings& settings, QWidget* parent)
    : QDialog(parent), system_(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("机械负荷系数"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout(this);
    for (const CoolingSystem system : kSystems) {
        system_->addItem(qtext(std::string(systemLabel(system)) +
                               "（R = " + coefficientText(lossFactor(system)) + "）"));
    }
    system_->setCurrentIndex(settings.system == CoolingSystem::Indirect ? 1 : 0);
    form->addRow(QStringLiteral("制冷系统(&S):"), system_);
    for (std::size_t i = 0; i < kPlantCoefficients.size(); ++i) {
        const CoefficientDef& def = kPlantCoefficients[i];
        boxes_[i] = new QLineEdit(qtext(coefficientText(settings.*def.member)), this);
        const std::string range =
            "（" + coefficientText(def.range.low) + "～" + coefficientText(def.range.high) + "）";
        form->addRow(qtext(std::string(def.label) + range + ":"), boxes_[i]);
    }
    form->addRow(new QLabel(
        QStringLiteral("其他冷间 n2 = 1；n4、n5 按同一蒸发温度下同类冷间的间数取值。"), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PlantDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<double> PlantDialog::boxValue(std::size_t i) const {
    bool isNumber = false;
    const double value = boxes_.at(i)->text().trimmed().toDouble(&isNumber);
    if (!isNumber || !withCoefficient(PlantSettings{}, kPlantCoefficients.at(i).which, value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::size_t> PlantDialog::refusedBox() const {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (!boxValue(i)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<PlantSettings> PlantDialog::settings() const {
    if (refusedBox()) {
        return std::nullopt;
    }
    PlantSettings settings;
    settings.system = kSystems.at(system_->currentIndex() == 1 ? 1U : 0U);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        settings.*kPlantCoefficients[i].member = *boxValue(i);
    }
    return settings;
}

void PlantDialog::accept() {
    if (const auto refused = refusedBox()) {
        QMessageBox::warning(this, QStringLiteral("机械负荷系数"),
                             qtext(outOfRangeMessage(kPlantCoefficients.at(*refused).which)));
        boxes_.at(*refused)->setFocus();
        boxes_.at(*refused)->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace gelvant
