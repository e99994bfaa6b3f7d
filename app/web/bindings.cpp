// SPDX-License-Identifier: MIT
// The page's viewer for JavaScript: events in, plain data out (numbers,
// strings, arrays), every text in the language in force.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "app/logic/config_dialog_view.h"
#include "app/logic/dialog_placement.h"
#include "app/logic/documentation_target.h"
#include "app/logic/main_menu.h"
#include "app/web/web_viewer.h"
#include "diagram/diagram_files.h"
#include "dialog/slider_value_text.h"
#include "text/dialog_texts.h"
#include "text/page_texts.h"

namespace veltrisko {
namespace {

using emscripten::val;

std::string Plain(std::string_view text) { return WithoutMnemonic(text); }

std::string Css(Colour c) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "#";
  for (const std::uint8_t part : {RedOf(c), GreenOf(c), BlueOf(c)}) {
    out += kHex[part >> 4];
    out += kHex[part & 15];
  }
  return out;
}

template <class T>
val ArrayOf(const T& items) {
  val out = val::array();
  for (const auto& item : items) out.call<void>("push", item);
  return out;
}

val Menu(const WebViewer& viewer) {
  const Language language = viewer.Session().TextLanguage();
  val entries = val::array();
  for (const MenuEntry& entry : kMainMenu) {
    val e = val::object();
    e.set("kind", static_cast<int>(entry.kind));
    e.set("text", Plain(In(language, entry.text)));
    e.set("command", entry.command);
    const std::optional<bool> mark = viewer.Session().CheckMark(entry.command);
    e.set("checkable", mark.has_value());
    e.set("checked", mark.value_or(false));
    entries.call<void>("push", e);
  }
  return entries;
}

val Legends(const WebViewer& viewer) {
  const ViewerSession& session = viewer.Session();
  val out = val::object();
  out.set("visible", session.LegendsVisible());
  const InfoLegendContent info = session.InfoLegend(viewer.Findings());
  const LegendPlacement place = session.Legends(viewer.PictureWidth(), viewer.PictureHeight());
  for (const auto& [name, rect] :
       {std::pair{"infoRect", place.info}, std::pair{"colourRect", place.colour}})
    out.set(name, ArrayOf(std::array{rect.x, rect.y, rect.width, rect.height}));
  val keys = val::array();
  for (const KeyEntry& key : info.keys) {
    val k = val::object();
    k.set("x", key.x);
    k.set("y", key.y);
    k.set("colour", Css(key.colour));
    k.set("label", key.label);
    keys.call<void>("push", k);
  }
  val lines = val::array();
  for (std::size_t i = 0; i < info.lines.size(); ++i) {
    const TextLine& line = info.lines[i];
    val l = val::object();
    l.set("x", line.x);
    l.set("y", line.y);
    l.set("text", line.text);
    l.set("maxWidth", line.maxWidth);
    bool marked = false;
    for (const std::size_t m : info.markedLines) marked = marked || m == i;
    l.set("marked", marked);
    lines.call<void>("push", l);
  }
  out.set("keys", keys);
  out.set("lines", lines);
  const ColourLegendContent colours = session.ColourLegend(viewer.Findings());
  val bands = val::array();
  for (const ColourBand& band : colours.bands) {
    val b = val::object();
    b.set("left", band.left);
    b.set("right", band.right);
    b.set("colour", Css(band.colour));
    bands.call<void>("push", b);
  }
  out.set("bands", bands);
  out.set("leftLabel", colours.leftLabel);
  out.set("rightLabel", colours.rightLabel);
  out.set("background", Css(kLegendBackground));
  out.set("keyOutline", Css(kKeyOutline));
  out.set("labelColour", Css(kColourLabelColour));
  return out;
}

val Readout(const WebViewer& viewer) {
  const ViewerSession& session = viewer.Session();
  val out = val::object();
  out.set("text", session.ReadoutText());
  out.set("x", session.ReadoutAnchor().x);
  out.set("y", session.ReadoutAnchor().y);
  out.set("status", session.StatusLine());
  out.set("codeMessage", session.CodeMessage());
  out.set("copied", session.CopiedReadout());
  return out;
}

// Where the readout box of the measured size stands: beside the pointer and
// inside the picture, as in the desktop viewers (the form is never over it).
val ReadoutPlace(const WebViewer& viewer, int boxWidth, int boxHeight) {
  const auto anchor = viewer.Session().ReadoutAnchor();
  const LegendRect at =
      PlaceReadoutBox(anchor.x, anchor.y, boxWidth, boxHeight, viewer.PictureWidth(),
                      viewer.PictureHeight(), {0, 0, 0, 0});
  return ArrayOf(std::array{at.x, at.y});
}

val PanelOf(const WebPanelControls& controls, const PanelView& view, const Text& title,
            Language language) {
  val p = val::object();
  p.set("title", Plain(In(language, title)));
  p.set("code", controls.edit.Text());
  val sliders = val::array();
  for (std::size_t i = 0; i < 5; ++i) {
    const MemorySlider& s = controls.sliders[i];
    val o = val::object();
    o.set("min", s.Minimum());
    o.set("max", s.Maximum());
    o.set("position", s.Position());
    o.set("visible", s.Visible());
    o.set("label", controls.labels[i].Text());
    o.set("labelVisible", controls.labels[i].Visible());
    o.set("value", view.valueTexts[i]);
    o.set("valueShown", view.valueShown[i]);
    sliders.call<void>("push", o);
  }
  p.set("sliders", sliders);
  p.set("tint", view.codeTint ? Css(*view.codeTint) : std::string());
  p.set("tip", view.codeToolTip);
  p.set("state", static_cast<int>(view.codeState));
  return p;
}

val Form(const WebViewer& viewer) {
  const Language language = viewer.Session().TextLanguage();
  const ConfigDialogView view = ConfigDialogViewOf(viewer.FormState(), language);
  val f = val::object();
  f.set("title", InString(language, texts::kDialogTitle));
  f.set("horizontal", PanelOf(viewer.Panel(0), view.horizontal, texts::kHorizontalType, language));
  f.set("vertical", PanelOf(viewer.Panel(1), view.vertical, texts::kVerticalType, language));
  f.set("combination", InString(language, texts::kCombination));
  f.set("displayMode", InString(language, texts::kDisplayMode));
  f.set("linear", InString(language, texts::kLinear));
  f.set("logarithmic", InString(language, texts::kLogarithmic));
  f.set("v7", viewer.Scene().useHcmV7);
  f.set("log", viewer.Scene().logScale);
  const MemorySlider& db = viewer.DbRange();
  f.set("dbMin", db.Minimum());
  f.set("dbMax", db.Maximum());
  f.set("dbPosition", db.Position());
  f.set("dbVisible", db.Visible());
  f.set("dbText", view.dbRangeText);
  f.set("dbShown", view.dbRangeShown);
  f.set("ids", ArrayOf(std::array{
                   static_cast<int>(kHcmV6ButtonId), static_cast<int>(kHcmV7ButtonId),
                   static_cast<int>(kLinearButtonId), static_cast<int>(kLogarithmicButtonId)}));
  return f;
}

val PageTexts(const WebViewer& viewer) {
  const Language language = viewer.Session().TextLanguage();
  val t = val::object();
  t.set("lang", std::string(CodeOf(language)));
  t.set("copyLink", InString(language, texts::kCopyLink));
  t.set("linkCopied", InString(language, texts::kLinkCopied));
  t.set("linkNotCopied", InString(language, texts::kLinkNotCopied));
  t.set("messages", InString(language, texts::kPageStatus));
  return t;
}

// The frame's arrays as views into the viewer's memory: valid until the next
// call of Frame or the memory grows, so the page uploads them at once.
val FrameOf(WebViewer& viewer) {
  const WebGlFrame& frame = viewer.Frame();
  val out = val::object();
  out.set("vertices",
          val(emscripten::typed_memory_view(frame.vertices.size(), frame.vertices.data())));
  out.set("indices",
          val(emscripten::typed_memory_view(frame.indices.size(), frame.indices.data())));
  val batches = val::array();
  for (const WebGlBatch& b : frame.batches)
    batches.call<void>(
        "push",
        ArrayOf(std::array{static_cast<int>(b.kind), static_cast<int>(b.firstVertex),
                           static_cast<int>(b.firstIndex), static_cast<int>(b.indexCount)}));
  out.set("batches", batches);
  const WebGlUniforms& u = frame.uniforms;
  out.set("projection", ArrayOf(u.projection));
  out.set("modelview", ArrayOf(u.modelview));
  out.set("light", ArrayOf(u.lightPosition));
  out.set("diffuse", ArrayOf(u.lightDiffuse));
  out.set("ambient", ArrayOf(u.ambient));
  out.set("clear", ArrayOf(u.clearColour));
  out.set("viewport",
          ArrayOf(std::array{u.viewport.x, u.viewport.y, u.viewport.width, u.viewport.height}));
  out.set("offset", ArrayOf(std::array{u.polygonOffsetFactor, u.polygonOffsetUnits}));
  return out;
}

val ExportOf(const WebViewer& viewer, const std::string& name) {
  const PatternFileSession::Exported exported = viewer.Export(name);
  val out = val::object();
  out.set("text", exported.text);
  out.set("message", exported.message);
  return out;
}

// The 2-D window's controls and its page; the page is an SVG document the
// page shows as an image, so that nothing of it becomes the page's markup.
val Diagrams(WebViewer& viewer) {
  const std::string svg = viewer.DiagramPageSvg();
  const DiagramWindowModel& model = viewer.Diagrams();
  // The desktop's buttons but PDF, which the browser's printing saves.
  const DiagramWindowView view = model.View(PdfExport::kByPrinting);
  val out = val::object();
  out.set("title", view.title);
  out.set("svg", svg);
  out.set("reading", view.reading);
  out.set("styleLabel", view.styleLabel);
  out.set("styles", ArrayOf(view.styles));
  out.set("style", view.style);
  val curves = val::array();
  for (const DiagramWindowView::CurveBox& box : view.curves) {
    val c = val::object();
    c.set("shown", box.shown);
    c.set("checked", box.checked);
    c.set("text", box.text);
    c.set("tip", box.tooltip);
    curves.call<void>("push", c);
  }
  out.set("curves", curves);
  val buttons = val::array();
  for (const DiagramWindowView::Button& button : view.buttons) {
    val b = val::object();
    b.set("what", static_cast<int>(button.what));
    b.set("text", button.text);
    buttons.call<void>("push", b);
  }
  out.set("buttons", buttons);
  out.set("pageTitle", model.PageTitle());
  return out;
}

// The 2-D page drawn by the page itself: the PNG's name and pixel size, as
// the desktop's PNG export gives them.
val DiagramPicture(WebViewer& viewer) {
  val out = val::object();
  out.set("name", viewer.Diagrams().ExportDialog(DiagramExport::kPng).suggestedName);
  out.set("width", kDiagramPageWidth);
  out.set("height", kDiagramPageHeight);
  return out;
}

// The pointer at (x, y) in the page's drawing units; the reading it gives.
std::string DiagramPointAt(WebViewer& viewer, double x, double y) {
  DiagramWindowModel& model = viewer.Diagrams();
  model.PointAtPage({x, y}, EstimatedTextWidth);
  return model.Reading();
}

val DiagramDownload(WebViewer& viewer, int what) {
  const WebViewer::Download d = viewer.DiagramDownload(static_cast<DiagramExport>(what));
  val out = val::object();
  out.set("name", d.name);
  out.set("text", d.text);
  out.set("message", d.message);
  return out;
}

void DiagramCurveShown(WebViewer& viewer, int curve, bool shown) {
  if (curve >= 0 && curve < static_cast<int>(DiagramCurve::kCount))
    viewer.Diagrams().SetCurveVisible(static_cast<DiagramCurve>(curve), shown);
}

// "Hilfe -> Über Veltrisko": the desktop's text; the guide is named by its
// web address where the build has one, else by its file's name, which
// comes with the programs.
val About(const WebViewer& viewer) {
  const std::string language(CodeOf(viewer.Session().TextLanguage()));
  const std::string host = VELTRISKO_DOC_HOST;
  const std::string guide = host.empty() ? UserGuideFileName(language)
                                         : DocumentationTargetOf(host, "", language).location;
  val out = val::object();
  out.set("title", AboutTitle(language));
  out.set("text", AboutText(VELTRISKO_VERSION, guide, language));
  return out;
}

// "Hilfe -> Dokumentation": the web page where the build names a
// documentation host, else the guide the page carries, by its file's name.
val Documentation(const WebViewer& viewer) {
  const std::string language(CodeOf(viewer.Session().TextLanguage()));
  const DocumentationTarget target = DocumentationTargetOf(VELTRISKO_DOC_HOST, "", language);
  val out = val::object();
  out.set("web", target.isWebPage);
  out.set("location", target.isWebPage ? target.location : UserGuideFileName(language));
  return out;
}

val ImportOf(WebViewer& viewer, const std::string& name, const std::string& bytes) {
  const WebViewer::Imported imported = viewer.Import(name, bytes);
  val out = val::object();
  out.set("message", imported.message);
  out.set("redraw", imported.redraw);
  return out;
}

int ImportLimit() { return static_cast<int>(kMaxPatternFileBytes) + 1; }

}  // namespace

EMSCRIPTEN_BINDINGS(veltrisko_page) {
  emscripten::class_<WebViewer>("Viewer")
      .constructor<std::string, std::string, std::string>()
      .function("runCommand", &WebViewer::RunCommand)
      .function("key", &WebViewer::Key)
      .function("setPicture", &WebViewer::SetPicture)
      .function("press", &WebViewer::Press)
      .function("move", &WebViewer::Move)
      .function("release", &WebViewer::Release)
      .function("leave", &WebViewer::Leave)
      .function("formSlider", &WebViewer::FormSlider)
      .function("formText", &WebViewer::FormText)
      .function("formButton", &WebViewer::FormButton)
      .function("openLink", &WebViewer::OpenLink)
      .function("linkOfView", &WebViewer::LinkOfView)
      .function("keptLanguage", &WebViewer::KeptLanguage)
      .function("keptDisplay", &WebViewer::KeptDisplay)
      .function("chooseDiagramStyle", &WebViewer::ChooseDiagramStyle)
      .function("exportName", &WebViewer::ExportName)
      .function("readoutMenuText", &WebViewer::ReadoutMenuText);
  emscripten::function("menu", &Menu);
  emscripten::function("legends", &Legends);
  emscripten::function("readout", &Readout);
  emscripten::function("readoutPlace", &ReadoutPlace);
  emscripten::function("form", &Form);
  emscripten::function("pageTexts", &PageTexts);
  emscripten::function("frame", &FrameOf);
  emscripten::function("exportPattern", &ExportOf);
  emscripten::function("importPattern", &ImportOf);
  emscripten::function("importLimit", &ImportLimit);
  emscripten::function("about", &About);
  emscripten::function("diagrams", &Diagrams);
  emscripten::function("diagramDownload", &DiagramDownload);
  emscripten::function("diagramCurveShown", &DiagramCurveShown);
  emscripten::function("diagramPicture", &DiagramPicture);
  emscripten::function("diagramPointAt", &DiagramPointAt);
  emscripten::function("documentation", &Documentation);
}

}  // namespace veltrisko
