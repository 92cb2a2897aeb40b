#pragma once

#include <QInputDialog>

// The prompt for an adapter's new name: the current name selected, so that typing replaces
// it, and below the question what namePromptText says of the text typed so far.
class NamePrompt : public QInputDialog
{
public:
    NamePrompt(QWidget *parent, const QString &name, const QString &manufacturerHfid);

private:
    QString manufacturerHfid;
};
