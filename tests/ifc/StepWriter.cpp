// Purpose: writes small IFC4 files as STEP text for the import's tests (see StepWriter.h).
#include "StepWriter.h"

#include <cmath>
#include <cstdio>

namespace ifctest {
namespace {

// A number in STEP form (always with a decimal point).
std::string Real(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    std::string s = buf;
    if (s.find_first_of(".eE") == std::string::npos) s += ".";
    else if (s.find('.') == std::string::npos) s.insert(s.find_first_of("eE"), ".");
    return s;
}

// A list of entity references "(#1,#2)".
std::string Refs(const std::vector<int>& ids) {
    std::string s = "(";
    for (size_t i = 0; i < ids.size(); ++i) s += (i ? ",#" : "#") + std::to_string(ids[i]);
    return s + ")";
}

}  // namespace

StepFile::StepFile(const StepFrame& f) {
    const int origin = Add("IFCCARTESIANPOINT((0.,0.,0.))");
    const int zAxis = Add("IFCDIRECTION((0.,0.,1.))");
    const int xAxis = Add("IFCDIRECTION((1.,0.,0.))");
    const int axes = Add("IFCAXIS2PLACEMENT3D(#" + std::to_string(origin) + ",#" + std::to_string(zAxis) + ",#" +
                         std::to_string(xAxis) + ")");
    const int north = Add("IFCDIRECTION((" + Real(f.trueNorth[0]) + "," + Real(f.trueNorth[1]) + "))");
    context = Add("IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,#" + std::to_string(axes) + ",#" +
                  std::to_string(north) + ")");
    const int unit = Add(std::string("IFCSIUNIT(*,.LENGTHUNIT.,") + (f.lengthPrefix ? std::string(".") + f.lengthPrefix + "." : "$") +
                         ",.METRE.)");
    const int units = Add("IFCUNITASSIGNMENT((#" + std::to_string(unit) + "))");
    const int project = Add("IFCPROJECT('" + Guid() + "',$,'Teszt',$,$,$,$,(#" + std::to_string(context) + "),#" +
                            std::to_string(units) + ")");
    const int siteAt = Point(f.siteOrigin);
    const int siteAxes = Add("IFCAXIS2PLACEMENT3D(#" + std::to_string(siteAt) + ",$,$)");
    const int sitePl = Add("IFCLOCALPLACEMENT($,#" + std::to_string(siteAxes) + ")");
    const int site = Add("IFCSITE('" + Guid() + "',$,'Site',$,$,#" + std::to_string(sitePl) + ",$,$,.ELEMENT.,$,$,$,$,$)");
    const int buildingPl = Add("IFCLOCALPLACEMENT(#" + std::to_string(sitePl) + ",#" + std::to_string(axes) + ")");
    const int building = Add("IFCBUILDING('" + Guid() + "',$,'Haus',$,$,#" + std::to_string(buildingPl) + ",$,$,.ELEMENT.,$,$,$)");
    const int storeyAt = Point({0, 0, f.storeyZ});
    const int storeyAxes = Add("IFCAXIS2PLACEMENT3D(#" + std::to_string(storeyAt) + ",$,$)");
    placement_ = Add("IFCLOCALPLACEMENT(#" + std::to_string(buildingPl) + ",#" + std::to_string(storeyAxes) + ")");
    storey_ = Add("IFCBUILDINGSTOREY('" + Guid() + "',$," + Quote(f.storeyName) + ",$,$,#" + std::to_string(placement_) +
                  ",$,$,.ELEMENT.," + (f.storeyElevation ? Real(f.storeyZ) : std::string("$")) + ")");
    Aggregate(project, {site});
    Aggregate(site, {building});
    Aggregate(building, {storey_});
    // elements sit in the storey's placement
    placement_ = Add("IFCLOCALPLACEMENT(#" + std::to_string(placement_) + ",#" + std::to_string(axes) + ")");
}

int StepFile::Add(const std::string& entity) {
    lines_.push_back(entity);
    return int(lines_.size());
}

std::string StepFile::Guid() {
    static const char* alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
    std::string g(22, '0');
    int n = ++guidCount_;
    for (int i = 21; i > 0 && n > 0; --i, n /= 64) g[size_t(i)] = alphabet[n % 64];
    g[1] = 'T';  // keeps the ids of different files apart from the all-zero GUID
    return g;
}

int StepFile::Point(const P3& p) {
    return Add("IFCCARTESIANPOINT((" + Real(p[0]) + "," + Real(p[1]) + "," + Real(p[2]) + "))");
}

int StepFile::Prisms(const std::vector<Prism>& prisms, std::vector<int>& items) {
    for (const Prism& pr : prisms) {
        const size_t n = pr.ring.size();
        std::vector<int> bottom, top;
        for (const P3& p : pr.ring) {
            bottom.push_back(Point(p));
            top.push_back(Point({p[0] + pr.up[0], p[1] + pr.up[1], p[2] + pr.up[2]}));
        }
        std::vector<std::vector<int>> loops;
        loops.push_back(std::vector<int>(bottom.rbegin(), bottom.rend()));
        loops.push_back(top);
        for (size_t i = 0; i < n; ++i) loops.push_back({bottom[i], bottom[(i + 1) % n], top[(i + 1) % n], top[i]});
        std::vector<int> faces;
        for (const auto& loop : loops) {
            const int poly = Add("IFCPOLYLOOP(" + Refs(loop) + ")");
            const int bound = Add("IFCFACEOUTERBOUND(#" + std::to_string(poly) + ",.T.)");
            faces.push_back(Add("IFCFACE((#" + std::to_string(bound) + "))"));
        }
        const int shell = Add("IFCCLOSEDSHELL(" + Refs(faces) + ")");
        items.push_back(Add("IFCFACETEDBREP(#" + std::to_string(shell) + ")"));
    }
    return int(items.size());
}

int StepFile::BrepShape(const std::vector<Prism>& prisms) {
    std::vector<int> items;
    Prisms(prisms, items);
    const int rep = Add("IFCSHAPEREPRESENTATION(#" + std::to_string(context) + ",'Body','Brep'," + Refs(items) + ")");
    return Add("IFCPRODUCTDEFINITIONSHAPE($,$,(#" + std::to_string(rep) + "))");
}

int StepFile::MappedShape(const std::vector<Prism>& prisms, const P3& offset) {
    std::vector<int> items;
    Prisms(prisms, items);
    const int rep = Add("IFCSHAPEREPRESENTATION(#" + std::to_string(context) + ",'Body','Brep'," + Refs(items) + ")");
    const int o = Point({0, 0, 0});
    const int axes = Add("IFCAXIS2PLACEMENT3D(#" + std::to_string(o) + ",$,$)");
    const int map = Add("IFCREPRESENTATIONMAP(#" + std::to_string(axes) + ",#" + std::to_string(rep) + ")");
    const int at = Point(offset);
    const int op = Add("IFCCARTESIANTRANSFORMATIONOPERATOR3D($,$,#" + std::to_string(at) + ",1.,$)");
    const int item = Add("IFCMAPPEDITEM(#" + std::to_string(map) + ",#" + std::to_string(op) + ")");
    const int mapped =
        Add("IFCSHAPEREPRESENTATION(#" + std::to_string(context) + ",'Body','MappedRepresentation',(#" + std::to_string(item) + "))");
    return Add("IFCPRODUCTDEFINITIONSHAPE($,$,(#" + std::to_string(mapped) + "))");
}

int StepFile::Element(const std::string& type, const std::string& name, int shape, const std::string& tail, bool contained) {
    return ElementQuoted(type, Quote(name), shape, tail, contained);
}

int StepFile::ElementRawName(const std::string& type, const std::string& name, int shape, const std::string& tail) {
    return ElementQuoted(type, "'" + name + "'", shape, tail, true);
}

int StepFile::ElementQuoted(const std::string& type, const std::string& quotedName, int shape, const std::string& tail,
                            bool contained) {
    const int id = Add(type + "('" + Guid() + "',$," + quotedName + ",$,$,#" + std::to_string(placement_) + "," +
                       (shape ? "#" + std::to_string(shape) : std::string("$")) + "," + tail + ")");
    if (contained) contained_.push_back(id);
    return id;
}

void StepFile::Aggregate(int whole, const std::vector<int>& parts) {
    Add("IFCRELAGGREGATES('" + Guid() + "',$,$,$,#" + std::to_string(whole) + "," + Refs(parts) + ")");
}

void StepFile::Void(int host, int opening) {
    Add("IFCRELVOIDSELEMENT('" + Guid() + "',$,$,$,#" + std::to_string(host) + ",#" + std::to_string(opening) + ")");
}

std::string StepFile::Text() const {
    std::string s = "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('ViewDefinition [DesignTransferView]'),'2;1');\n"
                    "FILE_NAME('teszt.ifc','2026-01-01T00:00:00',(''),(''),'tevaro tests','tevaro tests','');\n"
                    "FILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\n";
    for (size_t i = 0; i < lines_.size(); ++i) s += "#" + std::to_string(i + 1) + "=" + lines_[i] + ";\n";
    if (!contained_.empty())
        s += "#" + std::to_string(lines_.size() + 1) + "=IFCRELCONTAINEDINSPATIALSTRUCTURE('3TzzzzzzzzzzzzzzzzzzzZ',$,$,$," +
             Refs(contained_) + ",#" + std::to_string(storey_) + ");\n";
    return s + "ENDSEC;\nEND-ISO-10303-21;\n";
}

std::string StepFile::Quote(const std::string& utf8) {
    std::string out = "'";
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = (unsigned char)utf8[i];
        unsigned cp = c;
        size_t len = 1;
        if (c >= 0xF0) cp = c & 0x07, len = 4;
        else if (c >= 0xE0) cp = c & 0x0F, len = 3;
        else if (c >= 0xC0) cp = c & 0x1F, len = 2;
        for (size_t k = 1; k < len && i + k < utf8.size(); ++k) cp = (cp << 6) | ((unsigned char)utf8[i + k] & 0x3F);
        i += len;
        if (cp == '\'') out += "''";
        else if (cp < 0x80) out += char(cp);
        else {
            // characters of the basic plane as UTF-16 (\X2\), the others as UTF-32 (\X4\)
            char buf[32];
            std::snprintf(buf, sizeof buf, cp <= 0xFFFF ? "\\X2\\%04X\\X0\\" : "\\X4\\%08X\\X0\\", cp);
            out += buf;
        }
    }
    return out + "'";
}

Prism SlabUnder(const std::vector<P3>& top, double thickness) {
    // the plane's upward normal from the first three corners
    const P3 a = top[0], b = top[1], c = top[2];
    const P3 u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    P3 n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double l = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (double& x : n) x /= l;
    Prism p;
    for (const P3& q : top) p.ring.push_back({q[0] - n[0] * thickness, q[1] - n[1] * thickness, q[2] - n[2] * thickness});
    p.up = {n[0] * thickness, n[1] * thickness, n[2] * thickness};
    return p;
}

Prism Box(const P3& a, const P3& b) {
    return Prism{{{a[0], a[1], a[2]}, {b[0], a[1], a[2]}, {b[0], b[1], a[2]}, {a[0], b[1], a[2]}}, {0, 0, b[2] - a[2]}};
}

}  // namespace ifctest
