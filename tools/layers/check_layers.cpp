// Checks the layer rules of docs/architecture.md on the sources:
//  - every #include of a file under src/ names a header of its own layer or
//    of a layer below it (the layer include roots stop most of these at
//    compile time, but not an include by a relative path such as "../ui/X.h");
//  - no include cycle joins two folders of src/, within a layer too;
//  - every folder of src/ that holds sources belongs to a layer;
//  - a namespace name is declared in one layer only, so that its name says
//    where what it holds lives (an alias, namespace X = Y, declares none);
//  - the core, data and link layers include no header of Qt Widgets or Qt
//    Print Support, in headers the layer's own build never compiles too
//    (given the folder of the build's stand-ins for those headers, whose
//    names are the headers' names);
//  - the simulated controller (tools/sim) includes nothing of src/.
// usage: check_layers <repository root> [<stand-in folder>]. Prints each
// breach and exits 1, or prints one line of counts and exits 0.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Layer {
    std::string name;
    std::vector<std::string> folders;   // relative to src/; "ui/*": every folder right under ui/
    bool seesWidgets = false;           // may include Qt Widgets and Qt Print Support
};

// The layers, lowest first.
const std::vector<Layer> kLayers = {
    {"platform", {"platform"}, true},
    {"core", {"core"}, false},
    {"data", {"paradata", "posi", "prog", "grpsm", "print", "live"}, false},
    {"link", {"link"}, false},
    {"ui", {"ui/*"}, true},
    {"app", {"app"}, true},
};

// The rank of the layer a folder (relative to src/) belongs to.
std::optional<int> LayerOf(const std::string &folder)
{
    for (size_t rank = 0; rank < kLayers.size(); ++rank) {
        for (const std::string &f : kLayers[rank].folders) {
            if (f == folder)
                return int(rank);
            if (f.size() > 2 && f.ends_with("/*")) {
                const std::string parent = f.substr(0, f.size() - 1);
                if (folder.starts_with(parent) && folder.find('/', parent.size()) == std::string::npos &&
                    folder.size() > parent.size())
                    return int(rank);
            }
        }
    }
    return std::nullopt;
}

bool IsSource(const fs::path &p)
{
    const std::string ext = p.extension().string();
    return ext == ".cpp" || ext == ".h";
}

std::string Slashed(const fs::path &p) { return p.generic_string(); }

struct Include {
    int line = 0;
    bool quoted = false;
    std::string name;
};

std::vector<Include> IncludesOf(const fs::path &file)
{
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> found;
    std::ifstream in(file);
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        std::smatch m;
        if (std::regex_search(text, m, include))
            found.push_back({n, m[1] == "\"", m[2]});
    }
    return found;
}

struct Namespace {
    int line = 0;
    std::string name;
};

// The namespaces a file opens, by name, nested ones too (one a line; a
// qualified "A::B" opens A and B).
std::vector<Namespace> NamespacesOf(const fs::path &file)
{
    static const std::regex opening(R"(^\s*(?:inline\s+)?namespace\s+([A-Za-z_]\w*(?:\s*::\s*[A-Za-z_]\w*)*)\s*(\{|$))");
    static const std::regex part(R"([A-Za-z_]\w*)");
    std::vector<Namespace> found;
    std::ifstream in(file);
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
        std::smatch m;
        if (!std::regex_search(text, m, opening))
            continue;
        const std::string names = m[1];
        for (std::sregex_iterator it(names.begin(), names.end(), part), end; it != end; ++it)
            found.push_back({n, it->str()});
    }
    return found;
}

// The file an include names, as the compiler finds it: a quoted name beside
// the including file first, then any name from the root given. Empty when it
// is not there (a system or a generated header).
std::optional<fs::path> Resolve(const fs::path &from, const Include &inc, const fs::path &root)
{
    std::error_code ec;
    if (inc.quoted) {
        const fs::path beside = from.parent_path() / inc.name;
        if (fs::is_regular_file(beside, ec))
            return fs::weakly_canonical(beside, ec);
    }
    const fs::path inRoot = root / inc.name;
    if (fs::is_regular_file(inRoot, ec))
        return fs::weakly_canonical(inRoot, ec);
    return std::nullopt;
}

bool InsideSrc(const fs::path &file, const fs::path &src)
{
    const fs::path rel = fs::relative(file, src);
    return !rel.empty() && *rel.begin() != "..";
}

// The folders that lie on an include cycle, as groups (strongly connected
// components of more than one folder).
std::vector<std::vector<std::string>> Cycles(const std::map<std::string, std::set<std::string>> &edges)
{
    std::set<std::string> nodes;
    for (const auto &[from, tos] : edges) {
        nodes.insert(from);
        nodes.insert(tos.begin(), tos.end());
    }
    std::map<std::string, int> index, low;
    std::vector<std::string> stack;
    std::set<std::string> onStack;
    std::vector<std::vector<std::string>> groups;
    int counter = 0;
    auto connect = [&](auto &self, const std::string &v) -> void {
        index[v] = low[v] = counter++;
        stack.push_back(v);
        onStack.insert(v);
        if (auto it = edges.find(v); it != edges.end()) {
            for (const std::string &w : it->second) {
                if (!index.count(w)) {
                    self(self, w);
                    low[v] = std::min(low[v], low[w]);
                } else if (onStack.count(w)) {
                    low[v] = std::min(low[v], index[w]);
                }
            }
        }
        if (low[v] == index[v]) {
            std::vector<std::string> group;
            std::string w;
            do {
                w = stack.back();
                stack.pop_back();
                onStack.erase(w);
                group.push_back(w);
            } while (w != v);
            if (group.size() > 1) {
                std::sort(group.begin(), group.end());
                groups.push_back(group);
            }
        }
    };
    for (const std::string &v : nodes) {
        if (!index.count(v))
            connect(connect, v);
    }
    return groups;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: check_layers <repository root> [<stand-in folder>]\n";
        return 2;
    }
    std::error_code ec;
    const fs::path repo = fs::weakly_canonical(argv[1], ec);
    const fs::path src = repo / "src";
    const fs::path sim = repo / "tools" / "sim";
    if (!fs::is_directory(src) || !fs::is_directory(sim)) {
        std::cerr << "check_layers: no src/ or tools/sim/ in " << repo << "\n";
        return 2;
    }

    // The names of the headers of Qt Widgets and Qt Print Support, as
    // "<module>/<name>" and as "<name>".
    std::set<std::string> widgetHeaders;
    if (argc == 3) {
        for (const char *module : {"QtWidgets", "QtPrintSupport"}) {
            const fs::path dir = fs::path(argv[2]) / module;
            if (!fs::is_directory(dir)) {
                std::cerr << "check_layers: no folder " << dir << "\n";
                return 2;
            }
            for (const auto &e : fs::directory_iterator(dir)) {
                const std::string name = e.path().filename().string();
                widgetHeaders.insert(name);
                widgetHeaders.insert(std::string(module) + "/" + name);
            }
        }
    }

    std::vector<std::string> breaches;
    std::map<std::string, std::set<std::string>> folderEdges;
    // Which include made each folder edge, to show a cycle's links.
    std::map<std::pair<std::string, std::string>, std::string> edgeExample;
    std::set<std::string> folders;
    // Where each namespace name is first opened in each layer.
    std::map<std::string, std::map<int, std::string>> namespaceLayers;
    int files = 0, includes = 0;

    std::vector<fs::path> sources;
    for (const auto &e : fs::recursive_directory_iterator(src)) {
        if (e.is_regular_file() && IsSource(e.path()))
            sources.push_back(e.path());
    }
    std::sort(sources.begin(), sources.end());
    for (const fs::path &file : sources) {
        ++files;
        const std::string rel = Slashed(fs::relative(file, src));
        const std::string folder = Slashed(fs::relative(file.parent_path(), src));
        folders.insert(folder);
        const std::optional<int> layer = LayerOf(folder);
        if (!layer) {
            breaches.push_back("src/" + rel + ": folder " + folder + " belongs to no layer");
            continue;
        }
        for (const Namespace &ns : NamespacesOf(file))
            namespaceLayers[ns.name].emplace(*layer, "src/" + rel + ":" + std::to_string(ns.line));
        for (const Include &inc : IncludesOf(file)) {
            const std::string where = "src/" + rel + ":" + std::to_string(inc.line);
            const std::optional<fs::path> target = Resolve(file, inc, src);
            if (!target) {
                if (!inc.quoted && !kLayers[*layer].seesWidgets && widgetHeaders.count(inc.name))
                    breaches.push_back(where + ": the " + kLayers[*layer].name + " layer includes <" + inc.name +
                                       "> of Qt Widgets or Qt Print Support");
                continue;
            }
            if (!InsideSrc(*target, src)) {
                breaches.push_back(where + ": includes " + Slashed(*target) + ", outside src/");
                continue;
            }
            ++includes;
            const fs::path targetRel = fs::relative(*target, src);
            const std::string targetFolder = Slashed(targetRel.parent_path());
            const std::optional<int> targetLayer = LayerOf(targetFolder);
            if (!targetLayer) {
                breaches.push_back(where + ": includes " + Slashed(targetRel) + " of folder " + targetFolder +
                                   ", which belongs to no layer");
                continue;
            }
            if (*targetLayer > *layer)
                breaches.push_back(where + ": the " + kLayers[*layer].name + " layer includes " +
                                   Slashed(targetRel) + " of the higher " + kLayers[*targetLayer].name +
                                   " layer");
            if (targetFolder != folder) {
                folderEdges[folder].insert(targetFolder);
                edgeExample.emplace(std::make_pair(folder, targetFolder), where + " -> " + Slashed(targetRel));
            }
        }
    }
    for (const auto &group : Cycles(folderEdges)) {
        std::string text = "include cycle between folders:";
        for (const std::string &f : group)
            text += " " + f;
        for (const std::string &a : group) {
            for (const std::string &b : group) {
                if (auto it = edgeExample.find({a, b}); it != edgeExample.end())
                    text += "\n    " + it->second;
            }
        }
        breaches.push_back(text);
    }

    for (const auto &[name, layers] : namespaceLayers) {
        if (layers.size() < 2)
            continue;
        std::string text = "namespace " + name + " is opened in more than one layer:";
        for (const auto &[rank, where] : layers)
            text += " " + kLayers[size_t(rank)].name + " (" + where + ")";
        breaches.push_back(text);
    }

    // The simulator answers independently of the program's coders.
    for (const auto &e : fs::recursive_directory_iterator(sim)) {
        if (!e.is_regular_file() || !IsSource(e.path()))
            continue;
        ++files;
        for (const Include &inc : IncludesOf(e.path())) {
            const std::optional<fs::path> target = Resolve(e.path(), inc, src);
            if (target && InsideSrc(*target, src))
                breaches.push_back(Slashed(fs::relative(e.path(), repo)) + ":" + std::to_string(inc.line) +
                                   ": the simulated controller includes " + Slashed(fs::relative(*target, repo)));
        }
    }

    for (const std::string &b : breaches)
        std::cout << b << "\n";
    if (!breaches.empty()) {
        std::cout << breaches.size() << (breaches.size() == 1 ? " breach" : " breaches")
                  << " of the layer rules (docs/architecture.md)\n";
        return 1;
    }
    std::cout << "layer rules kept: " << files << " files, " << includes << " includes within src/, "
              << folders.size() << " folders, no cycle, " << namespaceLayers.size()
              << " namespaces each in one layer\n";
    return 0;
}
