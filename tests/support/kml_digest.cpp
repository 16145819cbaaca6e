#include "support/kml_digest.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

namespace flenmark::testing {
namespace {

using Node = xmlNode*;

bool Is(Node n, const char* name) {
    return n && n->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0;
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

class Digester {
  public:
    explicit Digester(Node root) { collect(root); }

    void walk(Node n, const std::string& time, std::vector<std::string>& out) {
        for (Node c = n->children; c; c = c->next) {
            if (Is(c, "Folder") || Is(c, "Document")) {
                const std::string own = Span(c);
                walk(c, own.empty() ? time : own, out);
            } else if (Is(c, "Placemark")) {
                placemark(c, time, out);
            }
        }
    }

  private:
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
        std::map<std::string, std::string> values = {{"name", ChildText(placemark, "name")},
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
                return std::string(kind) + " " + ChildText(g, "altitudeMode") + " extrude " +
                       ChildText(g, "extrude") + " | " + Numbers(ChildText(g, "coordinates"));
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

    void placemark(Node p, const std::string& inherited, std::vector<std::string>& out) const {
        const std::string own = Span(p);
        const Node style = Child(p, "Style") ? Child(p, "Style") : resolve(ChildText(p, "styleUrl"));
        std::string view;
        if (const Node at = Child(p, "LookAt"))
            view = " | view " + Numbers(ChildText(at, "longitude") + " " + ChildText(at, "latitude") +
                                        " " + ChildText(at, "range") + " " + ChildText(at, "tilt")) +
                   " " + ChildText(at, "altitudeMode");
        out.push_back(ChildText(p, "name") + " | time " + (own.empty() ? inherited : own) +
                      " | look " + Look(style) + "| balloon " + Balloon(p, style) + view + " | " +
                      Geometry(p));
    }

    std::map<std::string, Node> styles_;
};

}  // namespace

std::vector<std::string> KmlDigest(const std::string& path) {
    const std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_HUGE),
        xmlFreeDoc);
    if (!doc) return {"error: not XML: " + path};
    const Node root = xmlDocGetRootElement(doc.get());
    Digester digester(root);
    std::vector<std::string> lines;
    digester.walk(root, "", lines);
    return lines;
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
        if (!same) return "line " + std::to_string(i + 1) + ":\n  before: " + a + "\n  after:  " + b;
    }
    return "";
}

}  // namespace flenmark::testing
