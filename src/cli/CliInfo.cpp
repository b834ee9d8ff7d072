// brimwell-cli info: a map file's size, part size, cell format, layers and comment.
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliDocument.h"
#include "cli/CliOptions.h"

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

void PrintJson(const TCliDocument& doc, std::ostream& out) {
  const TMap& map = doc.map;
  out << "{\"width\":" << map.GetWidth() << ",\"height\":" << map.GetHeight()
      << ",\"partWidth\":" << map.GetPartWidth() << ",\"partHeight\":" << map.GetPartHeight()
      << ",\"bitsPerCell\":" << int(map.GetBitsPerCell())
      << ",\"comment\":" << JsonString(doc.records.comment) << ",\"layers\":[";
  for (int i = 0; i < map.LayerCount(); ++i) {
    const TMapLayer& layer = map.LayerAt(i);
    out << (i ? "," : "") << "{\"name\":" << JsonString(layer.Name)
        << ",\"image\":" << JsonString(ImageOf(doc, i))
        << ",\"visible\":" << (layer.Visible ? "true" : "false") << "}";
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
