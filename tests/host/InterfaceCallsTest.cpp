// Purpose: tests of the host's interface calls: point input through its driver with the
// rubber-band callback, rubber lines, user controls, shell links and the report window.
#include "HostTestSupport.h"
#include "Common_src/ResourceIds.h"

namespace {

class InterfaceCalls : public host_test::HostTest {};

// The add-on's rubber-band callback in the tests: draws one line from the origin to the cursor.
HostFunctionTable* gTable = nullptr;
void DrawToCursor(const API_RubberLineInfo* info) {
    API_RubberLineType line;
    line.c2 = info->actCoord;
    gTable->Interface(APIIo_DrawRubberLineID, &line, nullptr);
}

TEST_F(InterfaceCalls, PointInputWithoutAnswersIsCancelledAndAHookAnswersThroughTheCallback) {
    API_GetPointType point;
    EXPECT_EQ(t.Interface(APIIo_GetPointID, &point, nullptr), APIERR_CANCEL);  // nothing ever waits

    gTable = &t;
    host::gSession.pointInput = [](API_GetPointType* p, RubberLineInfoProc rubber) -> GSErrCode {
        for (double x : {1.0, 2.0, 3.5}) {  // the cursor moves, then the user clicks
            API_RubberLineInfo info;
            info.actCoord = API_Coord3D{x, 1, 0};
            if (rubber != nullptr) rubber(&info);
        }
        p->pos = API_Coord3D{3.5, 1, 0};
        return NoError;
    };
    ASSERT_EQ(t.Interface(APIIo_GetPointID, &point, reinterpret_cast<void*>(&DrawToCursor)), NoError);
    EXPECT_DOUBLE_EQ(point.pos.x, 3.5);
    ASSERT_EQ(host::gSession.rubberLines.size(), 3u);
    EXPECT_DOUBLE_EQ(host::gSession.rubberLines[2].c2.x, 3.5);

    host::gSession.pointInput = [](API_GetPointType*, RubberLineInfoProc) -> GSErrCode { return APIERR_CANCEL; };
    EXPECT_EQ(t.Interface(APIIo_GetPointID, &point, nullptr), APIERR_CANCEL);
}

TEST_F(InterfaceCalls, UserControlsShellLinksAndReportsAreRecorded) {
    API_UCCallbackType uc;
    uc.dialogID = 3;
    uc.itemID = 42;
    uc.type = APIUserControlType_Layer;
    ASSERT_EQ(t.Interface(APIIo_SetUserControlCallbackID, &uc, nullptr), NoError);
    ASSERT_EQ(host::gSession.userControls.size(), 1u);
    EXPECT_EQ(host::gSession.userControls[0].itemID, 42);

    EXPECT_EQ(t.ShellOpen(""), APIERR_BADPARS);
    ASSERT_EQ(t.ShellOpen("https://tevaro.example/doc.pdf"), NoError);
    EXPECT_EQ(host::gSession.shellOpens, std::vector<std::string>{"https://tevaro.example/doc.pdf"});

    ASSERT_EQ(t.WriteReport("trace", false), NoError);
    ASSERT_EQ(t.WriteReport("No selection!", true), NoError);
    t.DBPrint("Growing ...");
    ASSERT_EQ(host::gSession.reportLines.size(), 2u);
    EXPECT_FALSE(host::gSession.reportLines[0].withDialog);
    EXPECT_TRUE(host::gSession.reportLines[1].withDialog);
    EXPECT_EQ(host::gSession.lastMessage, "No selection!");
    EXPECT_EQ(host::gSession.debugLines, std::vector<std::string>{"Growing ..."});
}

TEST_F(InterfaceCalls, OwnLocationAndMenus) {
    char path[8];
    EXPECT_EQ(t.GetOwnLocation(path, sizeof path), APIERR_GENERAL);  // no add-on loaded
    host::gSession.ownLocation = "/a/b.so";
    ASSERT_EQ(t.GetOwnLocation(path, sizeof path), NoError);
    EXPECT_STREQ(path, "/a/b.so");
    host::gSession.ownLocation = "/a/much/longer/path.so";
    EXPECT_EQ(t.GetOwnLocation(path, sizeof path), APIERR_BADPARS);  // never cut short silently
    EXPECT_EQ(t.Install_MenuHandler(PlaceTiles, nullptr), APIERR_BADPARS);
}

}  // namespace
