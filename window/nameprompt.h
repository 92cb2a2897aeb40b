#pragma once

#include <QInputDialog>

// The prompt for an adapter's new name: the current name selected, so that typing replaces
// it, and below the question what namePromptText says of the text typed so far. Asked again
// after a refusal, it shows what was typed with the cursor at its end and nothing selected.
class NamePrompt : public QInputDialog
{
public:
    NamePrompt(QWidget *parent, const QString &name, const QString &manufacturerHfid,
               bool askedAgain = false);

    void setVisible(bool visible) override;

private:
    QString manufacturerHfid;
    bool askedAgain = false;
};
