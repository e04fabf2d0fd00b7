// make-payload: writes the installer's payload archive from a recipe.
//
//   make-payload [-C base-folder] -o archive.zip recipe.txt
//
// Every entry gets the same MS-DOS date and time, so the same inputs always
// give the same archive bytes. The archive is written under a temporary name
// and renamed, so a failed run never leaves a half-written archive behind.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/make-payload/cp936.h"
#include "tools/make-payload/payload_manifest.h"
#include "tools/make-payload/zip_writer.h"

namespace {

struct Options {
  std::string baseFolder = ".";
  std::string output;
  std::string recipe;
};

bool ParseOptions(int argc, char** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if ((arg == "-C" || arg == "-o") && i + 1 < argc) {
      (arg == "-C" ? options->baseFolder : options->output) = argv[++i];
    } else if (options->recipe.empty() && !arg.empty() && arg[0] != '-') {
      options->recipe = arg;
    } else {
      return false;
    }
  }
  return !options->output.empty() && !options->recipe.empty();
}

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *bytes = buffer.str();
  return !in.bad();
}

std::string Resolve(const std::string& base, const std::string& path) {
  return path[0] == '/' ? path : base + "/" + path;
}

// Reads every source and puts names (and marked texts) into code page 936.
bool LoadEntries(const std::vector<ManifestLine>& lines, const std::string& base,
                 std::vector<ZipEntry>* entries, std::string* error) {
  for (const ManifestLine& line : lines) {
    ZipEntry entry;
    if (!Utf8ToCp936(line.name, &entry.name)) {
      *error = "name not representable in code page 936: " + line.name;
      return false;
    }
    if (!line.source.empty()) {
      std::string bytes;
      if (!ReadWholeFile(Resolve(base, line.source), &bytes)) {
        *error = "cannot read " + Resolve(base, line.source);
        return false;
      }
      if (!line.windowsText) {
        entry.content = bytes;
      } else if (!ToWindowsText(bytes, &entry.content)) {
        *error = "text not representable in code page 936: " + line.source;
        return false;
      }
    }
    entries->push_back(entry);
  }
  return true;
}

bool WriteAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".partial";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return false;
    out.close();
    if (!out) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool MakePayload(const Options& options, std::string* error) {
  std::string recipe, archive;
  std::vector<ManifestLine> lines;
  std::vector<ZipEntry> entries;
  if (!ReadWholeFile(options.recipe, &recipe)) {
    *error = "cannot read the recipe";
    return false;
  }
  if (!ParseManifest(recipe, &lines, error) ||
      !LoadEntries(lines, options.baseFolder, &entries, error) ||
      !BuildZipArchive(entries, MakeDosDateTime(2013, 7, 16, 23, 40, 38), &archive, error)) {
    return false;
  }
  if (!WriteAtomically(options.output, archive)) {
    *error = "cannot write " + options.output;
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr, "usage: make-payload [-C base-folder] -o archive.zip recipe.txt\n");
    return 2;
  }
  std::string error;
  if (!MakePayload(options, &error)) {
    std::fprintf(stderr, "make-payload: %s: %s\n", options.recipe.c_str(), error.c_str());
    return 1;
  }
  return 0;
}
