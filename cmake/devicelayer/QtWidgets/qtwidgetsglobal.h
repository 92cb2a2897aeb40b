// Found before the toolkit's own header when the device layer is compiled: that layer runs
// the tool and judges what it prints, and shows nothing.
#error "The device layer (device/) uses QtCore and QtNetwork only."
