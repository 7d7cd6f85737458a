// Reads a picture for the command-line tests and prints its size, the number of pixels not of
// its most common colour, and the box of its near-black pixels; with a second picture, the
// number of pixels in which the two differ.
#include <QHash>
#include <QImage>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const QImage bild = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
  if (bild.isNull()) return 1;
  QHash<QRgb, long> anzahl;
  int x0 = bild.width(), y0 = bild.height(), x1 = -1, y1 = -1;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x) {
      const QRgb p = bild.pixel(x, y);
      ++anzahl[p];
      if (qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100) {
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
      }
    }
  long hintergrund = 0;
  for (const long n : anzahl) hintergrund = std::max(hintergrund, n);
  std::printf("Größe %d %d\nVordergrund %ld\nSchwarz %d %d %d %d\n", bild.width(), bild.height(),
              static_cast<long>(bild.width()) * bild.height() - hintergrund, x0, y0, x1, y1);
  if (argc > 2) {
    const QImage zweites = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    long verschieden = 0;
    if (zweites.size() != bild.size()) verschieden = -1;
    else
      for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) verschieden += bild.pixel(x, y) != zweites.pixel(x, y);
    std::printf("Verschieden %ld\n", verschieden);
  }
  return 0;
}
