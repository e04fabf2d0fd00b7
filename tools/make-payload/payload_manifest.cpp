#include "tools/make-payload/payload_manifest.h"

#include "tools/make-payload/zip_writer.h"

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

// Checks one line's fields and turns them into an entry; the reason otherwise.
bool ReadFields(const std::vector<std::string>& fields, ManifestLine* entry, std::string* reason) {
  entry->name = fields[0];
  if (entry->name.empty() || entry->name[0] == '/' || entry->name.find('\\') != std::string::npos) {
    *reason = "a name must be relative, with \"/\" between folders";
    return false;
  }
  if (IsFolderName(entry->name)) {
    if (fields.size() != 1) *reason = "a folder takes no source";
    return fields.size() == 1;
  }
  if (fields.size() < 2 || fields.size() > 3 || fields[1].empty()) {
    *reason = "a file needs a name, a source and at most one option";
    return false;
  }
  entry->source = fields[1];
  if (fields.size() == 3) {
    if (fields[2] != "text") {
      *reason = "unknown option \"" + fields[2] + "\"";
      return false;
    }
    entry->windowsText = true;
  }
  return true;
}

}  // namespace

bool ParseManifest(const std::string& text, std::vector<ManifestLine>* lines, std::string* error) {
  lines->clear();
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    ManifestLine entry;
    std::string reason;
    if (!ReadFields(SplitFields(line), &entry, &reason)) {
      *error = "line " + std::to_string(number) + ": " + reason;
      return false;
    }
    lines->push_back(entry);
  }
  return true;
}
