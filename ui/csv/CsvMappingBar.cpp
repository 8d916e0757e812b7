#include "CsvMappingBar.h"

#include "CsvMappingStore.h"
#include "CsvMappingsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

CsvMappingBar::CsvMappingBar(const QString& newName, QWidget* parent)
    : QWidget(parent)
    , m_newName(newName) {
    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("mappingLabel"));
    m_nameField = new QLineEdit(newName);
    m_nameField->setObjectName(QStringLiteral("mappingNameField"));
    m_nameField->setToolTip(tr("Importing keeps these settings under this name, for the next file of this kind."));
    auto* nameLabel = new QLabel(tr("Kee&p as:"));
    nameLabel->setBuddy(m_nameField);
    m_mappingsButton = new QPushButton(tr("Mapp&ings…"));
    m_mappingsButton->setObjectName(QStringLiteral("mappingsButton"));
    m_mappingsButton->setAutoDefault(false);
    connect(m_mappingsButton, &QPushButton::clicked, this, &CsvMappingBar::editMappings);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label, 1);
    layout->addWidget(nameLabel);
    layout->addWidget(m_nameField);
    layout->addWidget(m_mappingsButton);
    showApplied();
}

void CsvMappingBar::setApplied(const CsvSavedMapping& saved) {
    m_appliedName = saved.name;
    m_appliedShape = saved.shape;
    m_nameField->setText(saved.name);
    showApplied();
}

QString CsvMappingBar::name() const {
    const QString typed = m_nameField->text().trimmed();
    return typed.isEmpty() ? m_newName : typed;
}

void CsvMappingBar::showApplied() {
    m_label->setText(m_appliedShape ? tr("Using your mapping “%1”.").arg(m_appliedName)
                                    : tr("No mapping of yours fits this file: the settings are guessed."));
}

void CsvMappingBar::editMappings() {
    CsvMappingsDialog(this).exec();
    if (!m_appliedShape) {
        return;
    }
    // The mapping in use may have been renamed or deleted.
    const std::vector<CsvSavedMapping> kept = CsvMappingStore().mappings();
    const auto found =
        std::find_if(kept.begin(), kept.end(), [&](const CsvSavedMapping& m) { return m.shape == *m_appliedShape; });
    if (found == kept.end()) {
        m_appliedShape.reset();
        if (m_nameField->text().trimmed() == m_appliedName) {
            m_nameField->setText(m_newName);
        }
    } else if (found->name != m_appliedName) {
        if (m_nameField->text().trimmed() == m_appliedName) {
            m_nameField->setText(found->name);
        }
        m_appliedName = found->name;
    }
    showApplied();
}
