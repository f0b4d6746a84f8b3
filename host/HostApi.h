// Purpose: the host's implementations of the function table's entries, grouped by module; the
// table itself is filled by FillFunctionTable (FunctionTable.cpp).
#pragma once

#include "Common_src/Api_related/HostFunctionTable.h"

namespace host {

// Fills every entry of `table` (size = sizeof(HostFunctionTable)).
void FillFunctionTable(HostFunctionTable& table);

// Element database (ElementDatabase.cpp).
GSErrCode Api_Selection_Get(API_SelectionInfo* info, API_Neig*** selNeigs, bool onlyEditable, bool inclPartial);
GSErrCode Api_Element_Select(API_Neig** selNeigs, int32_t nItem, bool add);
GSErrCode Api_Element_Get(API_Element* element);
GSErrCode Api_Element_GetMemo(API_Guid guid, API_ElementMemo* memo, uint64_t mask);
GSErrCode Api_Element_GetDefaults(API_Element* element, API_ElementMemo* memo);
GSErrCode Api_Element_Create(API_Element* element, API_ElementMemo* memo);
GSErrCode Api_Element_Change(API_Element* element, const API_Element* mask, const API_ElementMemo* memo,
                             uint64_t memoMask);
GSErrCode Api_Element_ChangeParameters(API_Elem_Head** elemHeads, int32_t nItem, const API_Element* defPars,
                                       const API_ElementMemo* memo, const API_Element* mask);
GSErrCode Api_Element_Delete(API_Elem_Head** elemHeads, int32_t nItem);
GSErrCode Api_Element_GetElemList(API_ElemTypeID typeID, GSHandle* guids);
GSErrCode Api_Element_Tool(API_Elem_Head** elemHeads, int32_t nItem, uint32_t code, void* par);
GSErrCode Api_DisposeElemMemoHdls(API_ElementMemo* memo);
GSErrCode Api_DisposeAddParHdl(API_AddParType*** addPars);
GSErrCode Api_Goodies(uint32_t code, void* par1, void* par2);
GSErrCode Api_Database(uint32_t code, void* par1, void* par2);

}  // namespace host
