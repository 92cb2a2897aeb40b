#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

ModalAnswerer::ModalAnswerer()
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer.start();
}

void ModalAnswerer::press(int standardButton)
{
    queue([standardButton](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        if (QAbstractButton *button =
                box ? box->button(QMessageBox::StandardButton(standardButton)) : nullptr)
            button->click();
        else
            dialog->reject();
    });
}

void ModalAnswerer::type(const QString &text)
{
    queue([text](QDialog *dialog) {
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue(text);
            input->accept();
        } else {
            dialog->reject();
        }
    });
}

void ModalAnswerer::chooseFile(const QString &path)
{
    queue([path](QDialog *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            files->selectFile(path);
            // The dialog reads a typed name with blanks as several names unless it is quoted.
            if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"'));
            dialog->accept(); // through QDialog: the file dialog keeps it protected
        } else {
            dialog->reject();
        }
    });
}

void ModalAnswerer::cancel()
{
    queue([](QDialog *dialog) { dialog->reject(); });
}

QStringList ModalAnswerer::texts() const
{
    QStringList result;
    for (const SeenDialog &dialog : seen)
        result.append(dialog.text);
    return result;
}

void ModalAnswerer::poll()
{
    // The main window is application modal too; only dialogs are answered.
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || handled.contains(dialog))
        return;
    handled.insert(dialog);
    connect(dialog, &QObject::destroyed, this, [this, dialog] { handled.remove(dialog); });

    SeenDialog record;
    record.className = QString::fromLatin1(dialog->metaObject()->className());
    record.title = dialog->windowTitle();
    record.parentVisible = dialog->parentWidget() && dialog->parentWidget()->isVisible();
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        record.text = box->text();
        record.icon = int(box->icon());
        for (QAbstractButton *button : box->buttons())
            record.buttons.append(button->text());
    } else if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
        record.text = input->labelText();
    } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
        record.text = files->directory().absolutePath();
        record.buttons = files->selectedFiles();
    } else if (auto *report = dialog->findChild<QPlainTextEdit *>()) {
        record.text = report->toPlainText(); // a result window
    }
    record.expected = !answers.isEmpty();
    seen.append(record);
    if (answers.isEmpty())
        dialog->reject();
    else
        answers.takeFirst()(dialog);
}
