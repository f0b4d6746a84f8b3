// Purpose: the import's mesh stage as a child process: a missing node, a mesh stage that fails,
// one that writes something other than its document, and one that keeps to the contract.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "common/ProgramRun.h"
#include "import/ifc/IfcImport.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

// Sets an environment variable for one scope and puts the old value back.
struct EnvGuard {
    std::string name;
    bool had = false;
    std::string old;
    EnvGuard(const char* n, const std::string& value) : name(n) {
        const char* v = std::getenv(n);
        had = v != nullptr;
        if (had) old = v;
        setenv(n, value.c_str(), 1);
    }
    ~EnvGuard() {
        if (had) setenv(name.c_str(), old.c_str(), 1);
        else unsetenv(name.c_str());
    }
};

// A file of this test process with `text` in it.
fs::path WriteTemp(const std::string& name, const std::string& text) {
    return tevaro_test::WriteTempFile("ifcmesh-" + name, text);
}

// A file that passes the import's header and end checks.
const char* const kMinimalIfc =
    "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4'));\nENDSEC;\nDATA;\nENDSEC;\nEND-ISO-10303-21;\n";

// Runs the import of a minimal IFC file; its error text ("" on success) and the model.
std::string ImportMinimal(json& model) {
    const fs::path ifc = WriteTemp("min.ifc", kMinimalIfc);
    std::vector<std::string> report;
    std::string error;
    const bool ok = ifcimport::ImportIfc(ifc.string(), model, report, error);
    fs::remove(ifc);
    return ok ? std::string() : error;
}

TEST(IfcMeshStageRun, MissingNodeOrScriptIsSaidPlainly) {
    json model;
    {
        EnvGuard node("TEVARO_NODE", "/nonexistent/node");
        EXPECT_NE(ImportMinimal(model).find("nem indítható"), std::string::npos);
    }
    {
        EnvGuard script("TEVARO_IFC_MESH", "/nonexistent/ifc-mesh.js");
        const std::string error = ImportMinimal(model);
        EXPECT_NE(error.find("nem indítható: /nonexistent/ifc-mesh.js"), std::string::npos) << error;
    }
}

TEST(IfcMeshStageRun, FailingMeshStageIsQuotedAndOutputThatIsNoDocumentIsRefused) {
    json model = {{"keep", true}};
    {
        const fs::path js = WriteTemp("fail.js", "process.stderr.write('web-ifc could not open the model\\n'); process.exit(3);\n");
        EnvGuard script("TEVARO_IFC_MESH", js.string());
        const std::string error = ImportMinimal(model);
        EXPECT_NE(error.find("hibát jelzett: web-ifc could not open the model"), std::string::npos) << error;
        fs::remove(js);
    }
    {
        const fs::path js = WriteTemp("junk.js", "require('fs').writeFileSync(process.argv[3], '{\"elements\": [');\n");
        EnvGuard script("TEVARO_IFC_MESH", js.string());
        const std::string error = ImportMinimal(model);
        EXPECT_NE(error.find("kimenete nem olvasható"), std::string::npos) << error;
        fs::remove(js);
    }
    EXPECT_EQ(model, json({{"keep", true}}));
}

TEST(IfcMeshStageRun, DocumentOfTheMeshStageIsWhatTheModelIsBuiltFrom) {
    // a stand-in mesh stage: one roof slab, a 4 x 2 box 0.2 m thick, true north along -x
    const std::string box =
        "const q=(a,b,c,d)=>[...a,...b,...c,...a,...c,...d];"
        "const P=(x,y,z)=>[x,y,z];"
        "const t=[].concat(q(P(0,0,0),P(0,2,0),P(4,2,0),P(4,0,0)),q(P(0,0,.2),P(4,0,.2),P(4,2,.2),P(0,2,.2)),"
        "q(P(0,0,0),P(4,0,0),P(4,0,.2),P(0,0,.2)),q(P(4,0,0),P(4,2,0),P(4,2,.2),P(4,0,.2)),"
        "q(P(4,2,0),P(0,2,0),P(0,2,.2),P(4,2,.2)),q(P(0,2,0),P(0,0,0),P(0,0,.2),P(0,2,.2)));"
        "require('fs').writeFileSync(process.argv[3],JSON.stringify({trueNorth:[-1,0],storeys:[],"
        "elements:[{id:1,type:'IFCSLAB',predefinedType:'ROOF',name:'Lapos',triangles:t}]}));\n";
    const fs::path js = WriteTemp("ok.js", box);
    EnvGuard script("TEVARO_IFC_MESH", js.string());
    json model;
    EXPECT_EQ(ImportMinimal(model), "");
    fs::remove(js);
    ASSERT_TRUE(model.contains("elements"));
    EXPECT_EQ(model["elements"][0]["id"], "Lapos");
    EXPECT_EQ(model["elements"][0]["planes"].size(), 1u);
    EXPECT_NEAR(model["northAngle"].get<double>(), 90.0, 1e-9);
}

}  // namespace
