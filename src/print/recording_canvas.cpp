#include "print/recording_canvas.h"

namespace tolka::print {

void RecordingCanvas::Text(int x, int y, const std::string& text) {
  RecordedPrimitive p;
  p.What = RecordedPrimitive::Kind::Text;
  p.Sheet = sheet_;
  p.X = x;
  p.Y = y;
  p.Font = font_;
  p.Align = align_;
  p.CharExtra = char_extra_;
  p.Text = text;
  primitives_.push_back(std::move(p));
}

void RecordingCanvas::RotatedText(int x, int y, int angle, const PrintFont& font,
                                  const std::string& text) {
  RecordedPrimitive p;
  p.What = RecordedPrimitive::Kind::RotatedText;
  p.Sheet = sheet_;
  p.X = x;
  p.Y = y;
  p.Font = font;
  p.Angle = angle;
  p.Text = text;
  primitives_.push_back(std::move(p));
}

void RecordingCanvas::Line(int x1, int y1, int x2, int y2, int pen) {
  RecordedPrimitive p;
  p.What = RecordedPrimitive::Kind::Line;
  p.Sheet = sheet_;
  p.X = x1;
  p.Y = y1;
  p.X2 = x2;
  p.Y2 = y2;
  p.Pen = pen;
  primitives_.push_back(std::move(p));
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2, int pen, bool fill) {
  RecordedPrimitive p;
  p.What = RecordedPrimitive::Kind::Rectangle;
  p.Sheet = sheet_;
  p.X = x1;
  p.Y = y1;
  p.X2 = x2;
  p.Y2 = y2;
  p.Pen = pen;
  p.Fill = fill;
  primitives_.push_back(std::move(p));
}

std::vector<RecordedPrimitive> RecordingCanvas::Texts() const {
  std::vector<RecordedPrimitive> texts;
  for (const RecordedPrimitive& p : primitives_) {
    if (p.What == RecordedPrimitive::Kind::Text || p.What == RecordedPrimitive::Kind::RotatedText)
      texts.push_back(p);
  }
  return texts;
}

const RecordedPrimitive* RecordingCanvas::FindText(const std::string& text) const {
  for (const RecordedPrimitive& p : primitives_) {
    if ((p.What == RecordedPrimitive::Kind::Text ||
         p.What == RecordedPrimitive::Kind::RotatedText) &&
        p.Text == text)
      return &p;
  }
  return nullptr;
}

std::vector<RecordedPrimitive> RecordingCanvas::FindAll(const std::string& text) const {
  std::vector<RecordedPrimitive> found;
  for (const RecordedPrimitive& p : Texts()) {
    if (p.Text == text) found.push_back(p);
  }
  return found;
}

void RecordDocument(const PrintDocument& document, RecordingCanvas& canvas) {
  for (size_t i = 0; i < document.Sheets.size(); ++i) {
    canvas.BeginSheet(i);
    canvas.SetAlign(TextAlign::Left);
    canvas.SetCharExtra(0);
    document.Sheets[i].Draw(canvas);
  }
}

}  // namespace tolka::print
