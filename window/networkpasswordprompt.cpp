#include "networkpasswordprompt.h"

#include "device/networkkey.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

NetworkPasswordPrompt::NetworkPasswordPrompt(QWidget *parent, bool everyAdapterOffered)
    : QDialog(parent)
    , entry(new QLineEdit(this))
    , again(new QLineEdit(this))
    , everyAdapterChoice(new QRadioButton(tr("&Every adapter found"), this))
    , thisAdapterChoice(new QRadioButton(tr("&This adapter only"), this))
    , problem(wrappedLabel(QString(), this))
{
    setWindowTitle(tr("Network password"));
    const QString rule = tr("%1 to %2 characters: letters without accents, digits, blanks and the "
                            "signs of an English keyboard.")
                             .arg(minNetworkPasswordChars)
                             .arg(maxNetworkPasswordChars);
    entry->setObjectName(QStringLiteral("linePassword"));
    entry->setAccessibleName(tr("Password"));
    entry->setAccessibleDescription(rule);
    again->setObjectName(QStringLiteral("linePasswordAgain"));
    again->setAccessibleName(tr("Password again"));
    again->setAccessibleDescription(tr("The same password once more, since it is not shown"));
    for (QLineEdit *field : {entry, again})
        field->setEchoMode(QLineEdit::Password);

    auto *fields = new QFormLayout;
    auto *entryLabel = new QLabel(tr("&Password:"), this);
    entryLabel->setBuddy(entry);
    fields->addRow(entryLabel, entry);
    auto *againLabel = new QLabel(tr("Password &again:"), this);
    againLabel->setBuddy(again);
    fields->addRow(againLabel, again);
    fields->addRow(QString(), wrappedLabel(rule, this));

    auto *choices = new QGroupBox(tr("Set the password on"), this);
    auto *choiceLayout = new QVBoxLayout(choices);
    everyAdapterChoice->setObjectName(QStringLiteral("radioEveryAdapter"));
    everyAdapterChoice->setAccessibleDescription(
        tr("The other adapters first, then the one this computer is connected through"));
    thisAdapterChoice->setObjectName(QStringLiteral("radioThisAdapter"));
    thisAdapterChoice->setAccessibleDescription(tr("The selected adapter alone"));
    choiceLayout->addWidget(everyAdapterChoice);
    choiceLayout->addWidget(thisAdapterChoice);
    choiceLayout->addWidget(
        wrappedLabel(tr("Adapters with different passwords cannot reach each other."), choices));
    if (everyAdapterOffered) {
        everyAdapterChoice->setChecked(true);
    } else {
        everyAdapterChoice->setEnabled(false);
        thisAdapterChoice->setChecked(true);
        auto *unknown = wrappedLabel(computerAdapterUnknownText(), choices);
        unknown->setObjectName(QStringLiteral("labelComputerAdapterUnknown"));
        choiceLayout->addWidget(unknown);
    }

    problem->setObjectName(QStringLiteral("labelProblem"));
    problem->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NetworkPasswordPrompt::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NetworkPasswordPrompt::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(choices);
    layout->addWidget(problem);
    layout->addWidget(buttons);
    entry->setFocus(Qt::OtherFocusReason);
}

QString NetworkPasswordPrompt::password() const
{
    return entry->text();
}

bool NetworkPasswordPrompt::everyAdapter() const
{
    return everyAdapterChoice->isChecked();
}

void NetworkPasswordPrompt::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitTexts();
}

// The toolkit sizes a window from its texts' widths, and then gives the wrapped ones too few
// lines; a problem shown squeezes them further. The prompt grows to show every line.
void NetworkPasswordPrompt::fitTexts()
{
    layout()->activate();
    resize(width(), qMax(height(), layout()->totalHeightForWidth(width())));
}

void NetworkPasswordPrompt::accept()
{
    const QString text = networkPasswordProblem(entry->text(), again->text());
    if (text.isEmpty()) {
        QDialog::accept();
        return;
    }
    problem->setText(text);
    problem->show();
    fitTexts();
    // Nobody can see which of two masked entries is wrong: both are typed again. A screen
    // reader says why with the field that has the focus.
    entry->clear();
    again->clear();
    entry->setAccessibleDescription(text);
    entry->setFocus(Qt::OtherFocusReason);
}
