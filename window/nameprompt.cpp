#include "nameprompt.h"

#include "device/adaptername.h"

#include <QLabel>
#include <QLineEdit>

NamePrompt::NamePrompt(QWidget *parent, const QString &name, const QString &manufacturerHfid, bool askedAgain)
    : QInputDialog(parent)
    , manufacturerHfid(manufacturerHfid)
    , askedAgain(askedAgain)
{
    setWindowTitle(parent ? parent->window()->windowTitle() : QString());
    setInputMode(QInputDialog::TextInput);
    setTextValue(name);
    setLabelText(namePromptText(name, manufacturerHfid));
    // A refusal takes a line or two: the prompt keeps its width while the user types.
    if (auto *label = findChild<QLabel *>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(60 * label->fontMetrics().averageCharWidth());
    }
    connect(this, &QInputDialog::textValueChanged, this,
            [this](const QString &typed) { setLabelText(namePromptText(typed, this->manufacturerHfid)); });
}

void NamePrompt::setVisible(bool visible)
{
    // The dialog selects its text as it shows: asked again, what was typed stays as it was left,
    // so that one BackSpace takes one character.
    QInputDialog::setVisible(visible);
    auto *edit = findChild<QLineEdit *>();
    if (visible && askedAgain && edit) {
        edit->deselect();
        edit->end(false);
    }
}
