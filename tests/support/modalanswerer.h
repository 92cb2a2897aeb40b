#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// What a modal dialog showed when it was answered.
struct SeenDialog
{
    QString className;
    QString title;
    QString text;
    QStringList buttons;
    bool expected = true; // false: no answer was queued for it, so it was rejected
    bool parentVisible = false;
    int icon = 0; // a message box's QMessageBox::Icon
};

// Answers the real modal dialogs that the code under test opens with the toolkit's
// static functions. A repeating timer looks for a new active modal dialog, records it and
// gives it the next queued answer; one without an answer is recorded and rejected, so a
// test never hangs on an unexpected box.
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    using Answer = std::function<void(QDialog *)>;

    ModalAnswerer();

    void queue(const Answer &answer) { answers.append(answer); }
    void press(int standardButton);       // a QMessageBox button
    void type(const QString &text);       // a QInputDialog: type, then OK
    void chooseFile(const QString &path); // a QFileDialog: select, then accept
    void cancel();                        // any dialog: reject

    QList<SeenDialog> seen;
    int pending() const { return answers.size(); }
    // The texts of the dialogs seen, in order.
    QStringList texts() const;

private:
    void poll();

    QTimer timer;
    QList<Answer> answers;
    QSet<QDialog *> handled;
};
