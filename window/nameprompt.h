#pragma once

#include <QInputDialog>

// What the name prompt says under its question while the user types: how many characters
// the name may still have, or why the adapter would not take it.
QString namePromptText(const QString &typed, const QString &manufacturerHfid);

// The prompt for an adapter's new name: the current name selected, so that typing replaces
// it, and below the question what namePromptText says of the text typed so far.
class NamePrompt : public QInputDialog
{
public:
    NamePrompt(QWidget *parent, const QString &name, const QString &manufacturerHfid);

private:
    QString manufacturerHfid;
};
