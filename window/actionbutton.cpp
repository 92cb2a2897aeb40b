#include "actionbutton.h"

#include "busyfocus.h"

ActionButton::~ActionButton()
{
    delete standIn.data();
}

BusyFocus *ActionButton::busyFocus()
{
    if (!standIn)
        standIn = new BusyFocus(this);
    return standIn;
}

QString withoutMnemonic(const QString &text)
{
    QString heard;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && ++i == text.size())
            break;
        heard += text.at(i);
    }
    return heard;
}
