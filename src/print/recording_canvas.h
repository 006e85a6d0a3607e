// A canvas that draws nothing and lists every primitive with its sheet,
// coordinates, font, alignment and text: the tests read certificates and
// sheets from it as a text extractor reads a page.
#pragma once

#include <string>
#include <vector>

#include "print/print_canvas.h"
#include "print/print_document.h"

namespace tolka::print {

struct RecordedPrimitive {
  enum class Kind { Text, RotatedText, Line, Rectangle };
  Kind What = Kind::Text;
  size_t Sheet = 0;  // index in the document
  int X = 0, Y = 0, X2 = 0, Y2 = 0;
  PrintFont Font;
  TextAlign Align = TextAlign::Left;
  int CharExtra = 0;
  int Angle = 0;
  int Pen = 0;
  bool Fill = false;
  std::string Text;
};

class RecordingCanvas : public PrintCanvas {
 public:
  explicit RecordingCanvas(DeviceOffsets offsets = {}) : offsets_(offsets) {}

  // Starts the next sheet; primitives are tagged with its index.
  void BeginSheet(size_t index) { sheet_ = index; }

  DeviceOffsets Offsets() const override { return offsets_; }
  void SetFont(const PrintFont& font) override { font_ = font; }
  void SetAlign(TextAlign align) override { align_ = align; }
  void SetCharExtra(int extra) override { char_extra_ = extra; }
  void Text(int x, int y, const std::string& text) override;
  void RotatedText(int x, int y, int angle, const PrintFont& font,
                   const std::string& text) override;
  void Line(int x1, int y1, int x2, int y2, int pen) override;
  void Rectangle(int x1, int y1, int x2, int y2, int pen, bool fill) override;

  const std::vector<RecordedPrimitive>& Primitives() const { return primitives_; }
  // The texts drawn (plain and rotated), in order.
  std::vector<RecordedPrimitive> Texts() const;
  // The first text primitive equal to `text`, or nullptr.
  const RecordedPrimitive* FindText(const std::string& text) const;
  // Every text primitive equal to `text`.
  std::vector<RecordedPrimitive> FindAll(const std::string& text) const;

 private:
  DeviceOffsets offsets_;
  size_t sheet_ = 0;
  PrintFont font_;
  TextAlign align_ = TextAlign::Left;
  int char_extra_ = 0;
  std::vector<RecordedPrimitive> primitives_;
};

// Draws every sheet of `document` onto `canvas`, sheet i tagged i.
void RecordDocument(const PrintDocument& document, RecordingCanvas& canvas);

}  // namespace tolka::print
