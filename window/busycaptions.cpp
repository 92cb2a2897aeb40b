#include "busycaptions.h"

#include "actionclock.h"
#include "device/texts.h"

#include <QPushButton>

namespace {

const ActionClock &steadyClock()
{
    static const ActionClock steady;
    return steady;
}

} // namespace

BusyCaptions::BusyCaptions(std::function<void()> heardNameChanged)
    : heardNameChanged(std::move(heardNameChanged))
{
    tick.setSingleShot(true);
    tick.setTimerType(Qt::PreciseTimer);
    connect(&tick, &QTimer::timeout, this, &BusyCaptions::show);
}

BusyCaptions::~BusyCaptions() = default;

void BusyCaptions::setClock(const ActionClock *given)
{
    if (driven)
        disconnect(driven, nullptr, this, nullptr);
    driven = given;
    if (given)
        connect(given, &ActionClock::moved, this, [this] {
            if (running)
                show();
        });
}

qint64 BusyCaptions::elapsed() const
{
    return (driven ? *driven : steadyClock()).now() - started;
}

void BusyCaptions::begin()
{
    started = 0;
    started = elapsed();
    step = steps = 0;
    closing = false;
    running = true;
    toldTens = 0;
    toldClosing = false;
    toldStep = 0;
    show();
}

void BusyCaptions::end()
{
    running = false;
    tick.stop();
}

void BusyCaptions::add(QPushButton *button)
{
    buttons.append({button, button->text()});
    button->setText(busyCaption(elapsed(), closing, step, steps));
}

void BusyCaptions::giveBack(QPushButton *button)
{
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons.at(i).first == button) {
            button->setText(buttons.takeAt(i).second);
            return;
        }
    }
}

QString BusyCaptions::ownCaption(const QPushButton *button) const
{
    for (const auto &busy : buttons) {
        if (busy.first == button)
            return busy.second;
    }
    return QString();
}

void BusyCaptions::setProgress(int reached, int count)
{
    step = reached;
    steps = count;
    show();
}

void BusyCaptions::setClosing()
{
    closing = true;
    show();
}

QString BusyCaptions::heardName(const QString &buttonText) const
{
    return busyName(buttonText, elapsed(), closing, step, steps);
}

void BusyCaptions::show()
{
    const qint64 ms = elapsed();
    const QString caption = busyCaption(ms, closing, step, steps);
    for (const auto &busy : qAsConst(buttons))
        busy.first->setText(caption);
    if (ms / 10000 != toldTens || closing != toldClosing || step != toldStep) {
        toldTens = ms / 10000;
        toldClosing = closing;
        toldStep = step;
        heardNameChanged();
    }
    // The next update comes just after the next whole second.
    tick.start(int(1000 - ms % 1000 + 5));
}
