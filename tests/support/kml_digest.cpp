#include "support/kml_digest.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

namespace flenmark::testing {
namespace {

using Node = xmlNode*;

bool Is(Node n, const char* name) {
    return n && n->type == XML_ELEMENT_NODE &&
           std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0;
}

std::string Text(Node n) {
    if (!n) return {};
    xmlChar* content = xmlNodeGetContent(n);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

Node Child(Node n, const char* name) {
    for (Node c = n ? n->children : nullptr; c; c = c->next)
        if (Is(c, name)) return c;
    return nullptr;
}

std::string ChildText(Node n, const char* name) {
    return Text(Child(n, name));
}

std::string Attribute(Node n, const char* name) {
    xmlChar* value = xmlGetProp(n, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// Coordinates as numbers separated by single blanks.
std::string Numbers(const std::string& text) {
    std::string out;
    std::string number;
    for (char c : text + " ") {
        if (c == ',' || std::isspace(static_cast<unsigned char>(c))) {
            if (!number.empty()) out += (out.empty() ? "" : " ") + number;
            number.clear();
        } else {
            number += c;
        }
    }
    return out;
}

std::string Span(Node n) {
    const Node span = Child(n, "TimeSpan");
    if (span) return ChildText(span, "begin") + ".." + ChildText(span, "end");
    const Node stamp = Child(n, "TimeStamp");
    return stamp ? ChildText(stamp, "when") : "";
}

// The digest's lines as they are made. A line placemark that continues the one before it (the
// same name, time, look and kind of line, beginning where that one ended) is shown as one line
// with it: a line cut into pieces, in one document or across linked ones, shows the same.
class DigestLines {
  public:
    void add(std::string line) {
        lines_.push_back(std::move(line));
        lastPrefix_.clear();
    }
    void addLine(const std::string& prefix, std::vector<std::string> points) {
        if (!lastPrefix_.empty() && prefix == lastPrefix_ && !points.empty() &&
            !lastPoints_.empty() && points.front() == lastPoints_.back()) {
            lastPoints_.insert(lastPoints_.end(), points.begin() + 1, points.end());
            lines_.back() = prefix + Numbers(Join(lastPoints_));
            return;
        }
        lines_.push_back(prefix + Numbers(Join(points)));
        lastPrefix_ = prefix;
        lastPoints_ = std::move(points);
    }
    std::vector<std::string>& lines() { return lines_; }

  private:
    static std::string Join(const std::vector<std::string>& points) {
        std::string out;
        for (const std::string& p : points) out += p + " ";
        return out;
    }

    std::vector<std::string> lines_;
    std::string lastPrefix_;  // empty when the last line is not a line placemark
    std::vector<std::string> lastPoints_;
};

std::vector<std::string> Points(const std::string& coordinates) {
    std::vector<std::string> points;
    std::istringstream in(coordinates);
    for (std::string point; in >> point;) points.push_back(point);
    return points;
}

void DigestFile(const std::string& path, const std::string& time, int depth, DigestLines& out);

class Digester {
  public:
    Digester(Node root, std::string folder, int depth) : folder_(std::move(folder)), depth_(depth) {
        collect(root);
    }

    void walk(Node n, const std::string& time, DigestLines& out) {
        for (Node c = n->children; c; c = c->next) {
            if (Is(c, "Folder") || Is(c, "Document")) {
                const std::string own = Span(c);
                walk(c, own.empty() ? time : own, out);
            } else if (Is(c, "Placemark")) {
                placemark(c, time, out);
            } else if (Is(c, "NetworkLink")) {
                follow(c, time, out);
            }
        }
    }

  private:
    // A linked document shows in the place of its link (a local file, as the realtime documents
    // link theirs).
    void follow(Node link, const std::string& time, DigestLines& out) const {
        const Node target = Child(link, "Link") ? Child(link, "Link") : Child(link, "Url");
        std::string href = ChildText(target, "href");
        if (href.rfind("file://", 0) == 0) href.erase(0, 7);
        if (href.empty()) return;
        const std::string path = std::filesystem::path(href).is_absolute() ? href : folder_ + href;
        const std::string own = Span(link);
        if (depth_ >= 8) {
            out.add("error: links nested too deep: " + path);
            return;
        }
        DigestFile(path, own.empty() ? time : own, depth_ + 1, out);
    }

    void collect(Node n) {
        for (Node c = n->children; c; c = c->next) {
            if ((Is(c, "Style") || Is(c, "StyleMap")) && !Attribute(c, "id").empty())
                styles_[Attribute(c, "id")] = c;
            if (c->type == XML_ELEMENT_NODE) collect(c);
        }
    }

    Node resolve(std::string url) const {
        for (int depth = 0; depth < 4; ++depth) {
            if (!url.empty() && url[0] == '#') url.erase(0, 1);
            const auto found = styles_.find(url);
            if (found == styles_.end()) return nullptr;
            if (!Is(found->second, "StyleMap")) return found->second;
            url.clear();
            for (Node pair = found->second->children; pair; pair = pair->next)
                if (Is(pair, "Pair") && ChildText(pair, "key") == "normal")
                    url = ChildText(pair, "styleUrl");
        }
        return nullptr;
    }

    static std::string Look(Node style) {
        if (!style) return "default";
        std::string look;
        const Node icon = Child(style, "IconStyle");
        if (icon)
            look += "icon " + ChildText(Child(icon, "Icon"), "href") + " scale " +
                    ChildText(icon, "scale") + " heading " + ChildText(icon, "heading") + "; ";
        if (const Node label = Child(style, "LabelStyle"))
            look += "label " + ChildText(label, "scale") + "; ";
        if (const Node line = Child(style, "LineStyle"))
            look += "line " + ChildText(line, "color") + " " + ChildText(line, "width") + "; ";
        if (const Node poly = Child(style, "PolyStyle"))
            look += "poly " + ChildText(poly, "color") + " " + ChildText(poly, "outline") + "; ";
        return look;
    }

    static std::string Balloon(Node placemark, Node style) {
        std::string text = "<b>$[name]</b><br/>$[description]";
        if (const Node balloon = style ? Child(style, "BalloonStyle") : nullptr)
            text = ChildText(balloon, "text");
        std::map<std::string, std::string> values = {
            {"name", ChildText(placemark, "name")},
            {"description", ChildText(placemark, "description")}};
        if (const Node data = Child(placemark, "ExtendedData"))
            for (Node d = data->children; d; d = d->next)
                if (Is(d, "Data")) values[Attribute(d, "name")] = ChildText(d, "value");
        std::string out;
        for (size_t at = 0; at < text.size();) {
            const size_t open = text.find("$[", at);
            const size_t close = open == std::string::npos ? open : text.find(']', open);
            if (close == std::string::npos) {
                out += text.substr(at);
                break;
            }
            out += text.substr(at, open - at) + values[text.substr(open + 2, close - open - 2)];
            at = close + 1;
        }
        return out;
    }

    static std::string Geometry(Node p) {
        for (const char* kind : {"Point", "LineString"})
            if (const Node g = Child(p, kind))
                return GeometryKind(kind, g) + Numbers(ChildText(g, "coordinates"));
        if (const Node track = Child(p, "Track")) {
            std::string out = "Track " + ChildText(track, "altitudeMode");
            for (Node c = track->children; c; c = c->next)
                if (Is(c, "when") || Is(c, "coord") || Is(c, "angles"))
                    out += " | " + std::string(reinterpret_cast<const char*>(c->name)) + " " +
                           (Is(c, "when") ? Text(c) : Numbers(Text(c)));
            return out;
        }
        return "no geometry";
    }

    static std::string GeometryKind(const char* kind, Node g) {
        return std::string(kind) + " " + ChildText(g, "altitudeMode") + " extrude " +
               ChildText(g, "extrude") + " | ";
    }

    void placemark(Node p, const std::string& inherited, DigestLines& out) const {
        const std::string own = Span(p);
        const Node style =
            Child(p, "Style") ? Child(p, "Style") : resolve(ChildText(p, "styleUrl"));
        std::string view;
        if (const Node at = Child(p, "LookAt"))
            view = " | view " +
                   Numbers(ChildText(at, "longitude") + " " + ChildText(at, "latitude") + " " +
                           ChildText(at, "range") + " " + ChildText(at, "tilt")) +
                   " " + ChildText(at, "altitudeMode");
        const std::string prefix = ChildText(p, "name") + " | time " +
                                   (own.empty() ? inherited : own) + " | look " + Look(style) +
                                   "| balloon " + Balloon(p, style) + view + " | ";
        if (const Node line = Child(p, "LineString"))
            out.addLine(prefix + GeometryKind("LineString", line),
                        Points(ChildText(line, "coordinates")));
        else
            out.add(prefix + Geometry(p));
    }

    std::map<std::string, Node> styles_;
    std::string folder_;  // of the document, where its relative links start
    int depth_;
};

void DigestFile(const std::string& path, const std::string& time, int depth, DigestLines& out) {
    const std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_HUGE),
        xmlFreeDoc);
    if (!doc) {
        out.add("error: not XML: " + path);
        return;
    }
    const Node root = xmlDocGetRootElement(doc.get());
    const std::string folder = std::filesystem::path(path).parent_path().string();
    Digester digester(root, folder.empty() ? "" : folder + "/", depth);
    digester.walk(root, time, out);
}

}  // namespace

std::vector<std::string> KmlDigest(const std::string& path) {
    DigestLines lines;
    DigestFile(path, "", 0, lines);
    return std::move(lines.lines());
}

std::string DigestDifference(const std::vector<std::string>& before,
                             const std::vector<std::string>& after, double tolerance) {
    static const std::regex number(R"(-?\d+(\.\d+)?(e-?\d+)?)");
    for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const std::string a = i < before.size() ? before[i] : "(none)";
        const std::string b = i < after.size() ? after[i] : "(none)";
        if (a == b) continue;
        const std::string shapeA = std::regex_replace(a, number, "#");
        const std::string shapeB = std::regex_replace(b, number, "#");
        bool same = shapeA == shapeB;
        auto x = std::sregex_iterator(a.begin(), a.end(), number);
        auto y = std::sregex_iterator(b.begin(), b.end(), number);
        for (; same && x != std::sregex_iterator() && y != std::sregex_iterator(); ++x, ++y)
            same = std::fabs(std::stod(x->str()) - std::stod(y->str())) <= tolerance;
        if (!same)
            return "line " + std::to_string(i + 1) + ":\n  before: " + a + "\n  after:  " + b;
    }
    return "";
}

}  // namespace flenmark::testing
