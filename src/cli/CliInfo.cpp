// brimwell-cli info: a map file's size, part size, cell format, drawing settings, layers and
// comment.
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliDocument.h"
#include "cli/CliOptions.h"
#include "formats/BitmapBand.h"
#include "imaging/PartsImage.h"

namespace {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string ImageOf(const TCliDocument& doc, int layer) {
  const auto found = doc.imagePaths.find(layer);
  return found == doc.imagePaths.end() ? std::string() : found->second;
}

const char* Bool(bool value) { return value ? "true" : "false"; }

// 0x00BBGGRR as "#rrggbb".
std::string ColourText(uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

// The whole parts that fit across and down the layer's image, or null without a readable one.
std::string ImagePartsJson(const std::string& image, const TMap& map) {
  int width = 0, height = 0;
  if (image.empty() || !ReadPartsImageSize(image, width, height)) return "null";
  return "{\"columns\":" + std::to_string(width / map.GetPartWidth()) +
         ",\"rows\":" + std::to_string(height / map.GetPartHeight()) + "}";
}

void PrintJson(const TCliDocument& doc, std::ostream& out) {
  const TMap& map = doc.map;
  const TProjectRecords& r = doc.records;
  out << "{\"width\":" << map.GetWidth() << ",\"height\":" << map.GetHeight()
      << ",\"partWidth\":" << map.GetPartWidth() << ",\"partHeight\":" << map.GetPartHeight()
      << ",\"bitsPerCell\":" << int(map.GetBitsPerCell())
      << ",\"partsPerRow\":" << TBitmapBand::PartsPerRow(map.GetBitsPerCell())
      << ",\"colorKey\":\"" << ColourText(r.colorKey.color) << "\""
      << ",\"transparency\":" << Bool(r.colorKey.enabled)
      << ",\"transparentPart\":" << r.transparentPart.number
      << ",\"transparentPartUsed\":" << Bool(r.transparentPart.enabled)
      << ",\"comment\":" << JsonString(r.comment) << ",\"layers\":[";
  for (int i = 0; i < map.LayerCount(); ++i) {
    const TMapLayer& layer = map.LayerAt(i);
    const std::string image = ImageOf(doc, i);
    out << (i ? "," : "") << "{\"name\":" << JsonString(layer.Name)
        << ",\"image\":" << JsonString(image) << ",\"imageParts\":" << ImagePartsJson(image, map)
        << ",\"visible\":" << Bool(layer.Visible) << "}";
  }
  out << "]}\n";
}

void PrintText(const TCliDocument& doc, std::ostream& out) {
  const TMap& map = doc.map;
  out << "map: " << map.GetWidth() << " x " << map.GetHeight() << " cells\n"
      << "parts: " << map.GetPartWidth() << " x " << map.GetPartHeight() << " pixels\n"
      << "bits per cell: " << int(map.GetBitsPerCell()) << "\n"
      << "comment: " << doc.records.comment << "\n"
      << "layers: " << map.LayerCount() << "\n";
  for (int i = 0; i < map.LayerCount(); ++i) {
    const TMapLayer& layer = map.LayerAt(i);
    const std::string image = ImageOf(doc, i);
    out << "  " << i << ": " << layer.Name << " (" << (layer.Visible ? "visible" : "hidden")
        << ")" << (image.empty() ? std::string(", no image") : ", image " + image) << "\n";
  }
}

}  // namespace

int RunInfo(const TCliOptions& options, std::ostream& out, std::ostream& err) {
  TCliDocument doc;
  if (!doc.Load(options.files[0], false, err)) return kExitFailure;
  if (options.json)
    PrintJson(doc, out);
  else
    PrintText(doc, out);
  return kExitOk;
}
