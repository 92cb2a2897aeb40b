#include "nameprompt.h"

#include "device/adaptername.h"

#include <QLabel>

NamePrompt::NamePrompt(QWidget *parent, const QString &name, const QString &manufacturerHfid)
    : QInputDialog(parent)
    , manufacturerHfid(manufacturerHfid)
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
