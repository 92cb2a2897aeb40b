#include "nameprompt.h"

#include "device/adaptername.h"
#include "device/hfid.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

QString namePromptText(const QString &typed, const QString &manufacturerHfid)
{
    const QString question = QStringLiteral("The adapter's new name (an empty name removes it):\n");
    const QString name = typed.trimmed();
    const QString refusal = nameRefusal(name, manufacturerHfid);
    if (!refusal.isEmpty())
        return question + refusal;
    // Without a model the list holds no HFID that Tandrel could count from: the adapter's own
    // is read before anything is written.
    if (modelName(manufacturerHfid).isEmpty())
        return question + QCoreApplication::translate("NamePrompt",
                                                      "The list shows no model for this adapter, so Tandrel "
                                                      "cannot tell how many characters its name may have.");
    const int left = nameRoom(manufacturerHfid) - name.size();
    return question + (left == 1 ? QStringLiteral("1 character left.")
                                 : QStringLiteral("%1 characters left.").arg(left));
}

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
