// Purpose: helpers of the host tests: a fresh host with its function table at hand, a small
// resource fork of our own, and short ways to make elements and parameter lists.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/ElementDatabase.h"
#include "host/Host.h"
#include "host/HostApi.h"
#include "host/ModelFile.h"
#include "host/MemoryHandles.h"
#include "host/ParamLists.h"

namespace host_test {

// A resource fork made of texts: (type, id, text) triples.
struct FakeFork {
    std::vector<std::string> texts;
    std::vector<ResourceEntry> entries;
    ResourceFork fork{0, nullptr};

    void Add(uint32_t type, int32_t id, const std::string& text) {
        types.push_back(type);
        ids.push_back(id);
        texts.push_back(text);
        Rebuild();
    }
    void Rebuild() {
        entries.clear();
        for (size_t i = 0; i < texts.size(); ++i)
            entries.push_back(ResourceEntry{types[i], ids[i], reinterpret_cast<const unsigned char*>(texts[i].data()),
                                            uint32_t(texts[i].size())});
        fork = ResourceFork{uint32_t(entries.size()), entries.data()};
    }
    std::vector<uint32_t> types;
    std::vector<int32_t> ids;
};

class HostTest : public ::testing::Test {
protected:
    void SetUp() override {
        host::ResetSession();
        host::FillFunctionTable(t);
        liveAtStart = host::LiveHandleCount();
    }
    void TearDown() override {
        host::DisarmHostFaults();
        host::DisarmAllocationFault();
    }

    // Adds an element of a type with an element ID; returns its GUID.
    API_Guid Add(API_ElemTypeID type, const std::string& id) {
        host::Element e;
        e.rec = host::DefaultElement(type);
        e.elementId = id;
        return host::AddElement(e);
    }

    // A one-record handle of element heads naming `guid`.
    static API_Elem_Head** Heads(const std::vector<API_Guid>& guids) {
        GSHandle h = host::NewHostHandle(int32_t(guids.size() * sizeof(API_Elem_Head)));
        for (size_t i = 0; i < guids.size(); ++i) reinterpret_cast<API_Elem_Head*>(*h)[i].guid = guids[i];
        return reinterpret_cast<API_Elem_Head**>(h);
    }
    static void Kill(void* handle) {
        GSHandle h = static_cast<GSHandle>(handle);
        host::KillHandle(&h);
    }

    HostFunctionTable t{};
    size_t liveAtStart = 0;
};

inline host::ParamValue Real(const std::string& name, double v) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_RealNum;
    p.numbers = {v};
    return p;
}

inline host::ParamValue Text(const std::string& name, const std::u16string& v) {
    host::ParamValue p;
    p.name = name;
    p.type = APIParT_CString;
    p.texts = {v};
    return p;
}

}  // namespace host_test
