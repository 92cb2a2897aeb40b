#include "nameprompt.h"

#include "device/adaptername.h"

#include <QLabel>

QString namePromptText(const QString &typed, const QString &manufacturerHfid)
{
    const QString question = QStringLiteral("The adapter's new name (an empty name removes it):\n");
    const QString name = typed.trimmed();
    const QString refusal = nameRefusal(name, manufacturerHfid);
    if (!refusal.isEmpty())
        return question + refusal;
    const int left = nameRoom(manufacturerHfid) - name.size();
    return question + (left == 1 ? QStringLiteral("1 character left.")
                                 : QStringLiteral("%1 characters left.").arg(left));
}

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
