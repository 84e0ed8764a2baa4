#pragma once

#include <QList>

class QPagedPaintDevice;
class QWidget;

namespace tesorin::reports {

// "Imprimir" of a chart form: asks first; on Yes prints the form's picture
// on the default printer, with the given controls hidden while it prints and
// shown again afterwards. Without any printer installed the question says so
// and, on Yes, a file dialog asks where to save the picture as a PDF file. A
// failure to print or to write the file is shown; nothing fails silently.
void imprimeFormulario(QWidget& form, const QList<QWidget*>& hiddenWhilePrinting);

// Paints the form's picture on the first page of device, at its size on the
// screen (15 twips a pixel) or smaller to fit the page, with the controls
// given hidden and then shown again. False when the device cannot be painted
// on.
bool paintFormPicture(QWidget& form, const QList<QWidget*>& hiddenWhilePrinting,
                      QPagedPaintDevice& device);

} // namespace tesorin::reports
