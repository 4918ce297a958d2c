#include "shell/title_block_dialog.h"

#include "presentation/main_window_names.h"
#include "widgets/qt_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace hullcalc {

TitleBlockDialog::TitleBlockDialog(const TitleBlock& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(toQString(mainWindowNames::titleBlockDialog));
    setWindowTitle("Сведения о проекте");
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(
        "Печатаются на титульной странице отчета, внизу каждой его страницы и на "
        "напечатанных графиках. Пустая дата — дата печати.",
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < titleFields.size(); ++i) {
        const TitleField& field = titleFields[i];
        auto* edit = new QLineEdit(QString::fromStdString(title.*field.text), this);
        edit->setObjectName(toQString(mainWindowNames::titleFieldPrefix) + toQString(field.key));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(40, u'м')));
        form->addRow(toQString(field.caption) + ":", edit);
        edits_[i] = edit;
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TitleBlock TitleBlockDialog::title() const
{
    TitleBlock title;
    for (std::size_t i = 0; i < titleFields.size(); ++i)
        title.*titleFields[i].text = edits_[i]->text().trimmed().toStdString();
    return title;
}

}  // namespace hullcalc
