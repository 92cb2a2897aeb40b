// Built as the device layer is, this must not compile: that layer includes no widget.
#include <QWidget>
