#include "app/plant_dialog.h"

#include "app/command_actions.h"
#include "app/qt_text.h"
#include "app/view_language.h"
#include "plant/plant_settings.h"
#include "session/view_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace gelvant {
PlantDialog::PlantDialog(const PlantSettings& settings, QWidget* parent)
    : QDialog(parent), system_(new QComboBox(this)) {
    setWindowTitle(shown(view_text::kPlantTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout(this);
    for (const CoolingSystem system : kCoolingSystems) {
        system_->addItem(shown(systemChoiceText(system)));
    }
    system_->setCurrentIndex(settings.system == CoolingSystem::Indirect ? 1 : 0);
    form->addRow(windowLabel(view_text::kCoolingSystemLabel, view_text::kCoolingSystemKey) +
                     shown(view_text::kLabelColon),
                 system_);
    for (std::size_t i = 0; i < kPlantCoefficients.size(); ++i) {
        const CoefficientDef& def = kPlantCoefficients[i];
        boxes_[i] = new QLineEdit(qtext(coefficientText(settings.*def.member)), this);
        form->addRow(shown(coefficientPrompt(def)) + shown(view_text::kLabelColon), boxes_[i]);
    }
    form->addRow(new QLabel(shown(view_text::kPlantHint), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(shown(view_text::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(shown(view_text::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &PlantDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<double> PlantDialog::boxValue(std::size_t i) const {
    return enteredCoefficient(kPlantCoefficients.at(i).which, boxes_.at(i)->text().toStdString());
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
    settings.system = kCoolingSystems.at(system_->currentIndex() == 1 ? 1U : 0U);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        settings.*kPlantCoefficients[i].member = *boxValue(i);
    }
    return settings;
}

void PlantDialog::accept() {
    if (const auto refused = refusedBox()) {
        QMessageBox::warning(this, shown(view_text::kPlantTitle),
                             shown(outOfRangeMessage(kPlantCoefficients.at(*refused).which)));
        boxes_.at(*refused)->setFocus();
        boxes_.at(*refused)->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace gelvant
