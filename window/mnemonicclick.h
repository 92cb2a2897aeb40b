#pragma once

#include <QObject>

// A button's mnemonic (Alt and its underlined letter) clicks it at once, and puts the focus on
// it. The toolkit's own mnemonic presses the button and clicks it a tenth of a second later:
// a key queued behind the mnemonic, by a quick user or a system that was busy for a moment,
// was then taken before that click, on the page that the click was about to leave, and lost.
// It holds for every button of the application, the boxes' ones too, while the object lives.
class MnemonicClick : public QObject
{
public:
    explicit MnemonicClick(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
