// Build-time check of a Windows plug-in:
//   plugin_image_check PLUGIN EXPORTS_DEF RESOURCE_BYTES
// PLUGIN must be a 64-bit DLL that exports exactly the names the .def file lists (no
// nameless ordinals either) and carries one registration resource, under the type, id
// and language the host looks up, whose bytes equal RESOURCE_BYTES (what the build
// generated). Every difference is printed; the exit status is 1 when there is one.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/pipl/pipl_section.h"
#include "simhost/pe_image_reader.h"

namespace {

constexpr char kTool[] = "plugin_image_check: ";

std::vector<std::uint8_t> read_bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path + ": cannot open the file");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The names after EXPORTS, one a line, the first word of each; ';' starts a comment.
std::set<std::string> def_exports(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error(path + ": cannot open the file");
    std::set<std::string> names;
    bool in_exports = false;
    for (std::string line; std::getline(file, line);) {
        line = line.substr(0, line.find(';'));
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        if (word == "EXPORTS") {
            in_exports = true;
        } else if (in_exports) {
            names.insert(word);
        }
    }
    if (names.empty()) throw std::runtime_error(path + ": no names after EXPORTS");
    return names;
}

class Problems {
public:
    explicit Problems(std::string plugin) : plugin_(std::move(plugin)) {}
    void add(const std::string& what) {
        std::cerr << kTool << plugin_ << ": " << what << '\n';
        ++count_;
    }
    int count() const { return count_; }

private:
    std::string plugin_;
    int count_ = 0;
};

void check_exports(const fx::PeImage& image, const std::set<std::string>& expected, Problems& problems) {
    const std::set<std::string> found(image.export_names.begin(), image.export_names.end());
    for (const std::string& name : expected)
        if (!found.contains(name)) problems.add("missing export " + name);
    for (const std::string& name : found)
        if (!expected.contains(name)) problems.add("unexpected export " + name);
    if (image.exported_functions != image.export_names.size())
        problems.add("exports " + std::to_string(image.exported_functions) + " functions but names " +
                     std::to_string(image.export_names.size()));
}

void check_resource(const fx::PeImage& image, const std::vector<std::uint8_t>& expected, Problems& problems) {
    const std::string name = "#" + std::to_string(fx::pipl::kResourceId);
    int matching = 0;
    for (const fx::PeResource& r : image.resources) {
        if (r.type != fx::pipl::kResourceType) continue;
        const std::string where =
            std::string(fx::pipl::kResourceType) + " " + r.name + " language " + std::to_string(r.language);
        if (r.name != name || r.language != fx::pipl::kResourceLanguage) {
            problems.add("unexpected resource " + where);
            continue;
        }
        ++matching;
        if (r.bytes == expected) continue;
        const auto diff = std::mismatch(r.bytes.begin(), r.bytes.end(), expected.begin(), expected.end());
        problems.add("resource " + where + " has " + std::to_string(r.bytes.size()) + " bytes, expected " +
                     std::to_string(expected.size()) + "; first difference at byte " +
                     std::to_string(diff.first - r.bytes.begin()));
    }
    if (matching == 0)
        problems.add(std::string("no resource ") + fx::pipl::kResourceType + " " + name + " language " +
                     std::to_string(fx::pipl::kResourceLanguage));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << kTool << "expected the arguments PLUGIN EXPORTS_DEF RESOURCE_BYTES\n";
        return 2;
    }
    try {
        const fx::PeImage image = fx::read_pe_file(argv[1]);
        Problems problems(argv[1]);
        if (image.machine != 0x8664) problems.add("not an x86-64 image");
        if (!image.dll) problems.add("not a DLL");
        check_exports(image, def_exports(argv[2]), problems);
        check_resource(image, read_bytes(argv[3]), problems);
        if (problems.count() != 0) return 1;
        std::cout << kTool << argv[1] << ": " << image.export_names.size() << " exports and the "
                  << fx::pipl::kResourceType << " resource as built\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << kTool << e.what() << '\n';
        return 1;
    }
}
