#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QRadioButton;

// Change Key's question: the network password, typed twice and masked, and whether it goes to
// every adapter found or to the selected one alone. It is accepted only with a password that
// adapters take, typed the same twice; otherwise it says why and stays open.
class NetworkPasswordPrompt : public QDialog
{
    Q_OBJECT

public:
    // Without the adapter that the computer is connected through, every adapter is not
    // offered: the prompt says why.
    NetworkPasswordPrompt(QWidget *parent, bool everyAdapterOffered);

    QString password() const;
    bool everyAdapter() const;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fitTexts();

    QLineEdit *entry;
    QLineEdit *again;
    QRadioButton *everyAdapterChoice;
    QRadioButton *thisAdapterChoice;
    QLabel *problem;
};
