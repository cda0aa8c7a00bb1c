#include "Opcje.h"

#include "OleColor.h"
#include "ctlDioda.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Opcje::Opcje(QWidget* parent)
    : QDialog(parent), m_txtZgasKolor(new QLineEdit(this)), m_txtZapalKolor(new QLineEdit(this)),
      m_message(new QLabel(this)),
      m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setWindowTitle(QStringLiteral("Opcje"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #b00000"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    m_buttons->button(QDialogButtonBox::Apply)->setText(QStringLiteral("Zastosuj"));

    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("ZgasKolor:"), m_txtZgasKolor);
    layout->addRow(QStringLiteral("ZapalKolor:"), m_txtZapalKolor);
    layout->addRow(m_message);
    layout->addRow(m_buttons);

    connect(m_txtZgasKolor, &QLineEdit::textEdited, this, [this] { setChanged(true); });
    connect(m_txtZapalKolor, &QLineEdit::textEdited, this, [this] { setChanged(true); });
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &Opcje::ApplyChanges);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &Opcje::acceptIfApplied);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setChanged(false);
}

void Opcje::setSelectedControls(const QList<ctlDioda*>& controls)
{
    m_selected.clear();
    for (ctlDioda* control : controls)
        m_selected.append(control);
    if (!m_selected.isEmpty() && m_selected.first()) {
        m_txtZgasKolor->setText(QString::number(m_selected.first()->ZgasKolor()));
        m_txtZapalKolor->setText(QString::number(m_selected.first()->ZapalKolor()));
    }
    m_message->clear();
    setChanged(false);
}

bool Opcje::ApplyChanges()
{
    const auto zgas = parseOleColor(m_txtZgasKolor->text());
    const auto zapal = parseOleColor(m_txtZapalKolor->text());
    const QString rejected = QStringLiteral("%1: „%2” nie jest numerem koloru; nic nie zmieniono.");
    if (!zgas) {
        m_message->setText(rejected.arg(QStringLiteral("ZgasKolor"), m_txtZgasKolor->text()));
        return false;
    }
    if (!zapal) {
        m_message->setText(rejected.arg(QStringLiteral("ZapalKolor"), m_txtZapalKolor->text()));
        return false;
    }
    m_message->clear();
    if (!m_selected.isEmpty() && m_selected.first()) {
        m_selected.first()->setZgasKolor(*zgas);
        m_selected.first()->setZapalKolor(*zapal);
    }
    setChanged(false);
    return true;
}

QString Opcje::message() const
{
    return m_message->text();
}

void Opcje::setChanged(bool changed)
{
    m_Changed = changed;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(changed);
}

void Opcje::acceptIfApplied()
{
    if (!m_Changed || ApplyChanges())
        accept();
}
