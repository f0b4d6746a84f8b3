<?xml version="1.0" encoding="UTF-8"?>

<CityModel xmlns:smil20="http://www.w3.org/2001/SMIL20/" xmlns:grp="http://www.opengis.net/citygml/cityobjectgroup/1.0" xmlns:pfx0="http://www.citygml.org/citygml/profiles/base/1.0" xmlns:luse="http://www.opengis.net/citygml/landuse/1.0" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:frn="http://www.opengis.net/citygml/cityfurniture/1.0" xmlns:smil20lang="http://www.w3.org/2001/SMIL20/Language" xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:tex="http://www.opengis.net/citygml/texturedsurface/1.0" xmlns:dem="http://www.opengis.net/citygml/relief/1.0" xmlns:tran="http://www.opengis.net/citygml/transportation/1.0" xmlns:wtr="http://www.opengis.net/citygml/waterbody/1.0" xmlns:xAL="urn:oasis:names:tc:ciq:xsdschema:xAL:2.0" xmlns:bldg="http://www.opengis.net/citygml/building/1.0" xmlns:sch="http://www.ascc.net/xml/schematron" xmlns:app="http://www.opengis.net/citygml/appearance/1.0" xmlns:veg="http://www.opengis.net/citygml/vegetation/1.0" xmlns:gml="http://www.opengis.net/gml" xmlns:gen="http://www.opengis.net/citygml/generics/1.0" 
>
<gml:boundedBy>
<gml:Envelope srsDimension="3">
<gml:lowerCorner>3451262.25 5429191.75 113.955</gml:lowerCorner>
<gml:upperCorner>3451512.81 5429447.76 139.809</gml:upperCorner>
</gml:Envelope>
</gml:boundedBy>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050110_______">
<gml:name>A08212000048050110_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.273</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.351</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-afb46b8c-fd22-440b-a660-974bf6e2b3d2">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoc8aa7a17-8eea-40b1-b593-0715da8a3653" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245105">
<gml:exterior>
<gml:LinearRing gml:id="ringID245105">
<gml:posList>3451452.71 5429377.57 121.273 3451448.85 5429372.18 121.273 3451448.85 5429372.18 114.488 3451452.71 5429377.57 114.488 3451452.71 5429377.57 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-95bb0f5d-4877-4991-a0fa-732b685685fb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo057c2fb8-f710-480e-a667-9fc13154ce98" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245106">
<gml:exterior>
<gml:LinearRing gml:id="ringID245106">
<gml:posList>3451448.85 5429372.18 121.273 3451440.75 5429378.04 121.273 3451440.75 5429378.04 114.488 3451448.85 5429372.18 114.488 3451448.85 5429372.18 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c21cb2c8-7e6c-498a-81ee-4b2703daf4c4">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeofe190c2e-9bf5-4fef-923b-244e4aeab44f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245107">
<gml:exterior>
<gml:LinearRing gml:id="ringID245107">
<gml:posList>3451440.75 5429378.04 121.273 3451444.6 5429383.4 121.273 3451444.6 5429383.4 114.488 3451440.75 5429378.04 114.488 3451440.75 5429378.04 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-e7deb7dc-2822-4a0a-80af-7e61d69c8451">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeod77a87db-7cb1-4bb6-ae60-1b8d6f618a98" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245108">
<gml:exterior>
<gml:LinearRing gml:id="ringID245108">
<gml:posList>3451444.6 5429383.4 121.273 3451452.71 5429377.57 121.273 3451452.71 5429377.57 114.488 3451444.6 5429383.4 114.488 3451444.6 5429383.4 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6fa7443d-cf3e-430b-85ee-a27b2fd7ce06">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo34175f31-690a-49f5-b75f-968bfc551f9d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245109">
<gml:exterior>
<gml:LinearRing gml:id="ringID245109">
<gml:posList>3451440.75 5429378.04 121.273 3451448.85 5429372.18 121.273 3451444.8 5429375.11 123.351 3451440.75 5429378.04 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-66ecf92e-fc61-4462-842b-6a2082333a79">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo3414f58a-ec85-4d0f-a925-50eab67294ee" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245110">
<gml:exterior>
<gml:LinearRing gml:id="ringID245110">
<gml:posList>3451452.71 5429377.57 121.273 3451444.6 5429383.4 121.273 3451448.655 5429380.485 123.351 3451452.71 5429377.57 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-67a86fac-1477-4c88-b125-aaec5f8f5a82">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo1ecc5e4b-d52e-4823-953c-0d0255583b31" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245111">
<gml:exterior>
<gml:LinearRing gml:id="ringID245111">
<gml:posList>3451448.85 5429372.18 121.273 3451452.71 5429377.57 121.273 3451448.655 5429380.485 123.351 3451444.8 5429375.11 123.351 3451448.85 5429372.18 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-0ec27b4c-e6c8-4fc0-80fd-6db26eace9c8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof1c8185b-4426-4984-a38c-d36207675200" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245112">
<gml:exterior>
<gml:LinearRing gml:id="ringID245112">
<gml:posList>3451444.6 5429383.4 121.273 3451440.75 5429378.04 121.273 3451444.8 5429375.11 123.351 3451448.655 5429380.485 123.351 3451444.6 5429383.4 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-c440a80e-71b6-49be-af4f-e130d6b3cdb8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9a03f943-cd92-4f90-8957-8b90134455bc" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245113">
<gml:exterior>
<gml:LinearRing gml:id="ringID245113">
<gml:posList>3451452.71 5429377.57 114.488 3451448.85 5429372.18 114.488 3451440.75 5429378.04 114.488 3451444.6 5429383.4 114.488 3451452.71 5429377.57 114.488</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029548000001">
<gml:name>F082120000362029548000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.767</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.767</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9d359f77-d771-4d13-959c-022d8a6d750e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocd495864-4a38-4530-9ae8-1a5ce73160f3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242173">
<gml:exterior>
<gml:LinearRing gml:id="ringID242173">
<gml:posList>3451426.56 5429337.73 116.767 3451430.08 5429342.57 116.767 3451430.08 5429342.57 114.242 3451426.56 5429337.73 114.242 3451426.56 5429337.73 116.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-3b4f1c9d-2f9e-4d93-b7ba-a040dcc9f5bf">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo3b8d436a-6631-41b5-85c2-4b88c9d58d42" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242174">
<gml:exterior>
<gml:LinearRing gml:id="ringID242174">
<gml:posList>3451430.08 5429342.57 116.767 3451432.49 5429340.86 116.767 3451432.49 5429340.86 114.242 3451430.08 5429342.57 114.242 3451430.08 5429342.57 116.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f3f1a4f2-97ab-4fa4-b1a3-97b24f11956e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo1aee20d0-107f-4230-b6d0-a9fd8837e370" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242175">
<gml:exterior>
<gml:LinearRing gml:id="ringID242175">
<gml:posList>3451432.49 5429340.86 116.767 3451429.04 5429335.97 116.767 3451429.04 5429335.97 114.242 3451432.49 5429340.86 114.242 3451432.49 5429340.86 116.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f48546ee-334c-49ef-b002-fc6ae0eca500">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo8fdd0a33-4272-4e86-9240-cf72ab0d5325" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242176">
<gml:exterior>
<gml:LinearRing gml:id="ringID242176">
<gml:posList>3451429.04 5429335.97 116.767 3451426.56 5429337.73 116.767 3451426.56 5429337.73 114.242 3451429.04 5429335.97 114.242 3451429.04 5429335.97 116.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-6a59444b-c58f-4057-b2f3-d2f5db2ba652">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo35637bd5-0c95-4fbb-80af-30a0c70a0bd7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242177">
<gml:exterior>
<gml:LinearRing gml:id="ringID242177">
<gml:posList>3451429.04 5429335.97 116.767 3451432.49 5429340.86 116.767 3451430.08 5429342.57 116.767 3451426.56 5429337.73 116.767 3451429.04 5429335.97 116.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-70b2286f-848e-4d18-8340-f6f1ebb01aa2">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo05097c1b-b606-41a5-a7ec-d69dc0753ed4" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242178">
<gml:exterior>
<gml:LinearRing gml:id="ringID242178">
<gml:posList>3451426.56 5429337.73 114.242 3451430.08 5429342.57 114.242 3451432.49 5429340.86 114.242 3451429.04 5429335.97 114.242 3451426.56 5429337.73 114.242</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029584000001">
<gml:name>F082120000362029584000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-ff1b3828-21ac-47d8-9336-8e0c6ccc6e4a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0152a916-44e0-4d58-9c4a-612bfc4f5994" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220211">
<gml:exterior>
<gml:LinearRing gml:id="ringID220211">
<gml:posList>3451477.34 5429296.35 116.773 3451480.88 5429301.23 116.773 3451480.88 5429301.23 114.204 3451477.34 5429296.35 114.204 3451477.34 5429296.35 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-05455cbf-4e63-43fe-b251-aa2285230fd6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo345bd8b4-0da7-4036-9f9b-7458157e1f81" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220212">
<gml:exterior>
<gml:LinearRing gml:id="ringID220212">
<gml:posList>3451480.88 5429301.23 116.773 3451483.34 5429299.4 116.773 3451483.34 5429299.4 114.204 3451480.88 5429301.23 114.204 3451480.88 5429301.23 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f0e2d500-b1a6-4cb7-83f0-044497adc411">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo025af5f3-1c9c-4918-bb82-001676aa320d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220213">
<gml:exterior>
<gml:LinearRing gml:id="ringID220213">
<gml:posList>3451483.34 5429299.4 116.773 3451479.83 5429294.56 116.773 3451479.83 5429294.56 114.204 3451483.34 5429299.4 114.204 3451483.34 5429299.4 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f000cdc9-6781-47fc-a630-763f9fe07298">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo34c189c4-ac21-4fb9-b51c-c27364ff10da" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220214">
<gml:exterior>
<gml:LinearRing gml:id="ringID220214">
<gml:posList>3451479.83 5429294.56 116.773 3451477.34 5429296.35 116.773 3451477.34 5429296.35 114.204 3451479.83 5429294.56 114.204 3451479.83 5429294.56 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-a91aeafe-a865-4e29-ac7c-2c059b572638">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob1dfc8d3-e245-4f25-818b-b65269a78b58" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220215">
<gml:exterior>
<gml:LinearRing gml:id="ringID220215">
<gml:posList>3451479.83 5429294.56 116.773 3451483.34 5429299.4 116.773 3451480.88 5429301.23 116.773 3451477.34 5429296.35 116.773 3451479.83 5429294.56 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-684d9857-7c7f-40ad-95dd-7a5876f1b1f6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo381f04ff-a74f-4222-8f42-ac23a1d49c3a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220216">
<gml:exterior>
<gml:LinearRing gml:id="ringID220216">
<gml:posList>3451477.34 5429296.35 114.204 3451480.88 5429301.23 114.204 3451483.34 5429299.4 114.204 3451479.83 5429294.56 114.204 3451477.34 5429296.35 114.204</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050086_______">
<gml:name>A08212000048050086_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.147</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.591</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-65f9b9f2-6d4f-4d05-a471-86272d4ad1b9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo547150ad-f9fb-4919-b162-8f1010d5150d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249958">
<gml:exterior>
<gml:LinearRing gml:id="ringID249958">
<gml:posList>3451450.97 5429336.2 121.147 3451454.89 5429341.65 121.147 3451454.89 5429341.65 114.408 3451450.97 5429336.2 114.408 3451450.97 5429336.2 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-2b6544bd-b183-417a-8147-2488a25396a0">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo930fa35b-249c-43ed-9282-5fe9451b827d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249959">
<gml:exterior>
<gml:LinearRing gml:id="ringID249959">
<gml:posList>3451454.89 5429341.65 121.147 3451463.86 5429335.27 121.147 3451463.86 5429335.27 114.408 3451454.89 5429341.65 114.408 3451454.89 5429341.65 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-2292dfd8-119f-4c1f-ae10-3417477beb66">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo5194afe2-20d5-4492-9528-dbf5cc95beb7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249960">
<gml:exterior>
<gml:LinearRing gml:id="ringID249960">
<gml:posList>3451463.86 5429335.27 121.147 3451459.9 5429329.76 121.147 3451459.9 5429329.76 114.408 3451463.86 5429335.27 114.408 3451463.86 5429335.27 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c5c44a3d-2a50-46ab-9f51-4dc997d78595">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo65a69282-ab34-4391-9906-2054bed15c9d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249961">
<gml:exterior>
<gml:LinearRing gml:id="ringID249961">
<gml:posList>3451459.9 5429329.76 121.147 3451450.97 5429336.2 121.147 3451450.97 5429336.2 114.408 3451459.9 5429329.76 114.408 3451459.9 5429329.76 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-60d9df64-8a5c-410a-9514-6af24ce71aa7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo425c602d-0ebd-48f2-8c5e-92d0401ef74b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249962">
<gml:exterior>
<gml:LinearRing gml:id="ringID249962">
<gml:posList>3451463.86 5429335.27 121.147 3451454.89 5429341.65 121.147 3451459.375 5429338.46 123.591 3451463.86 5429335.27 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-fade2933-e423-4d37-8673-f96dfb23be56">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeobcba670b-b9bd-4fbf-b300-b8f038aadb00" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249963">
<gml:exterior>
<gml:LinearRing gml:id="ringID249963">
<gml:posList>3451450.97 5429336.2 121.147 3451459.9 5429329.76 121.147 3451455.435 5429332.98 123.591 3451450.97 5429336.2 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-3fe66294-1db8-4c34-9af0-498248a006ae">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeod5c28a0f-3b57-4eb6-9fa7-d00a71ad650d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249964">
<gml:exterior>
<gml:LinearRing gml:id="ringID249964">
<gml:posList>3451454.89 5429341.65 121.147 3451450.97 5429336.2 121.147 3451455.435 5429332.98 123.591 3451459.375 5429338.46 123.591 3451454.89 5429341.65 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-170eb974-b309-45e5-a685-0773856a3933">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2321f856-c761-4a68-95ce-f358e3ed9f29" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249965">
<gml:exterior>
<gml:LinearRing gml:id="ringID249965">
<gml:posList>3451459.9 5429329.76 121.147 3451463.86 5429335.27 121.147 3451459.375 5429338.46 123.591 3451455.435 5429332.98 123.591 3451459.9 5429329.76 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-1a0cc400-69e5-48f3-8f28-1192a0335deb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9303df01-6c3a-45c4-907e-2b8274159a29" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249966">
<gml:exterior>
<gml:LinearRing gml:id="ringID249966">
<gml:posList>3451450.97 5429336.2 114.408 3451454.89 5429341.65 114.408 3451463.86 5429335.27 114.408 3451459.9 5429329.76 114.408 3451450.97 5429336.2 114.408</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050102_______">
<gml:name>A08212000048050102_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.273</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.351</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-742d7512-7cc2-455f-8597-1fb84b685ce6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo66a1ba11-9d6d-4323-adb9-e20d2e274a76" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242797">
<gml:exterior>
<gml:LinearRing gml:id="ringID242797">
<gml:posList>3451437.32 5429356.12 121.273 3451433.48 5429350.75 121.273 3451433.48 5429350.75 114.311 3451437.32 5429356.12 114.311 3451437.32 5429356.12 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f7340513-72f4-4f7d-a836-8d9ec98218c6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo35270d29-fe18-4422-8c03-05dd8dca23f6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242798">
<gml:exterior>
<gml:LinearRing gml:id="ringID242798">
<gml:posList>3451433.48 5429350.75 121.273 3451425.36 5429356.58 121.273 3451425.36 5429356.58 114.311 3451433.48 5429350.75 114.311 3451433.48 5429350.75 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-539ea5ec-47d0-4865-8604-0b1ad033023d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo41449ccd-d37c-4d0e-a453-c5882a017fb7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242799">
<gml:exterior>
<gml:LinearRing gml:id="ringID242799">
<gml:posList>3451425.36 5429356.58 121.273 3451429.21 5429361.95 121.273 3451429.21 5429361.95 114.311 3451425.36 5429356.58 114.311 3451425.36 5429356.58 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f22fd5fc-474c-4651-98bb-03c96c00d42d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe0a9855b-e756-4c15-9487-66d4eb000b95" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242800">
<gml:exterior>
<gml:LinearRing gml:id="ringID242800">
<gml:posList>3451429.21 5429361.95 121.273 3451437.32 5429356.12 121.273 3451437.32 5429356.12 114.311 3451429.21 5429361.95 114.311 3451429.21 5429361.95 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5cdea7c3-25c4-4696-94cd-f79661333865">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo8526fdc4-4d0c-4a33-b0e5-50867a8598eb" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242801">
<gml:exterior>
<gml:LinearRing gml:id="ringID242801">
<gml:posList>3451425.36 5429356.58 121.273 3451433.48 5429350.75 121.273 3451429.42 5429353.665 123.351 3451425.36 5429356.58 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-b2298c10-1cf9-44c0-b535-0fbec998865c">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocccbc7c3-b7bf-4921-98fb-64d998392cb7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242802">
<gml:exterior>
<gml:LinearRing gml:id="ringID242802">
<gml:posList>3451437.32 5429356.12 121.273 3451429.21 5429361.95 121.273 3451433.265 5429359.035 123.351 3451437.32 5429356.12 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-1675c6b1-d27d-472f-b8fb-d8438ca7cca3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoef90b55f-8cb2-4158-940d-7b781690a12b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242803">
<gml:exterior>
<gml:LinearRing gml:id="ringID242803">
<gml:posList>3451433.48 5429350.75 121.273 3451437.32 5429356.12 121.273 3451433.265 5429359.035 123.351 3451429.42 5429353.665 123.351 3451433.48 5429350.75 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-951a89ff-6ba0-471a-9739-95c0bb57de5f">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2c82a3d2-1c04-436e-beef-55783fb43c95" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242804">
<gml:exterior>
<gml:LinearRing gml:id="ringID242804">
<gml:posList>3451429.21 5429361.95 121.273 3451425.36 5429356.58 121.273 3451429.42 5429353.665 123.351 3451433.265 5429359.035 123.351 3451429.21 5429361.95 121.273</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-78eaa993-bf49-4100-9d09-a832c462a980">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo8da4bfca-be64-4ba3-a686-c690b7a8c777" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242805">
<gml:exterior>
<gml:LinearRing gml:id="ringID242805">
<gml:posList>3451437.32 5429356.12 114.311 3451433.48 5429350.75 114.311 3451425.36 5429356.58 114.311 3451429.21 5429361.95 114.311 3451437.32 5429356.12 114.311</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550011_______">
<gml:name>A08212000041550011_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.524</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.634</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-1acb3c1c-ce5f-41fb-a34d-89427a0c4e01">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoeaebf40b-fe69-4dc5-a530-6aa0d657a899" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235496">
<gml:exterior>
<gml:LinearRing gml:id="ringID235496">
<gml:posList>3451429.47 5429201.76 120.524 3451420.43 5429210.83 120.524 3451420.43 5429210.83 114.176 3451429.47 5429201.76 114.176 3451429.47 5429201.76 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f12f3f0d-ab22-4778-b8e3-b4f347614883">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo570377c8-6a20-402a-a264-b379dc670199" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235497">
<gml:exterior>
<gml:LinearRing gml:id="ringID235497">
<gml:posList>3451420.43 5429210.83 120.524 3451426.68 5429217.04 120.524 3451426.68 5429217.04 114.176 3451420.43 5429210.83 114.176 3451420.43 5429210.83 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-ba501ccb-4863-4337-8623-d56695c35e7b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2de1a31b-d269-4230-b35b-1a6f36a54398" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235498">
<gml:exterior>
<gml:LinearRing gml:id="ringID235498">
<gml:posList>3451426.68 5429217.04 120.524 3451435.73 5429207.97 120.524 3451435.73 5429207.97 114.176 3451426.68 5429217.04 114.176 3451426.68 5429217.04 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-aa57fb53-b1be-4b66-989c-ad83e2df5e06">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo67bfc8e4-7600-45ed-88f9-2eaa39bb7b04" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235499">
<gml:exterior>
<gml:LinearRing gml:id="ringID235499">
<gml:posList>3451435.73 5429207.97 120.524 3451429.47 5429201.76 120.524 3451429.47 5429201.76 114.176 3451435.73 5429207.97 114.176 3451435.73 5429207.97 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-ad4c18d4-f7fc-4666-853e-ca0f0c46c4ac">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo36cbeeec-7a79-4a3d-831d-4aff64e79654" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235500">
<gml:exterior>
<gml:LinearRing gml:id="ringID235500">
<gml:posList>3451426.68 5429217.04 120.524 3451420.43 5429210.83 120.524 3451423.555 5429213.935 124.634 3451426.68 5429217.04 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c8c77ca7-f335-4c34-8e6a-ccb8b20e56d5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoceaa8fd1-0d69-42a3-a9c2-a50d2625014e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235501">
<gml:exterior>
<gml:LinearRing gml:id="ringID235501">
<gml:posList>3451429.47 5429201.76 120.524 3451435.73 5429207.97 120.524 3451432.6 5429204.865 124.634 3451429.47 5429201.76 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-9c664c36-b8cd-4651-afc6-47ef5e6afdd7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4319a1d8-d568-49e5-a9a5-8b4bb9e0974b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235502">
<gml:exterior>
<gml:LinearRing gml:id="ringID235502">
<gml:posList>3451420.43 5429210.83 120.524 3451429.47 5429201.76 120.524 3451432.6 5429204.865 124.634 3451423.555 5429213.935 124.634 3451420.43 5429210.83 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-5d35492e-c737-4ced-a582-7ffe304b3c74">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9f003cf6-476f-4253-a857-61a2cacd7f42" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235503">
<gml:exterior>
<gml:LinearRing gml:id="ringID235503">
<gml:posList>3451435.73 5429207.97 120.524 3451426.68 5429217.04 120.524 3451423.555 5429213.935 124.634 3451432.6 5429204.865 124.634 3451435.73 5429207.97 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-6daf1b25-3b76-4f4f-bc9d-c091daa4c663">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo720a0add-6d0c-4c8f-9b6b-cd073f794257" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235504">
<gml:exterior>
<gml:LinearRing gml:id="ringID235504">
<gml:posList>3451429.47 5429201.76 114.176 3451420.43 5429210.83 114.176 3451426.68 5429217.04 114.176 3451435.73 5429207.97 114.176 3451429.47 5429201.76 114.176</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050082_______">
<gml:name>A08212000048050082_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.647</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>122.891</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6b6076b1-eda5-4b2d-bbb5-52b38b57e2c8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo83ce797a-80d5-4a55-ab8a-19378d023aca" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245879">
<gml:exterior>
<gml:LinearRing gml:id="ringID245879">
<gml:posList>3451512.81 5429347.52 120.647 3451508.29 5429341.28 120.647 3451508.29 5429341.28 114.736 3451512.81 5429347.52 114.736 3451512.81 5429347.52 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-231d987b-5625-4ef3-8401-b3584e79aebb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa776d1be-4ea3-4d50-96aa-8fdc6fea1329" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245880">
<gml:exterior>
<gml:LinearRing gml:id="ringID245880">
<gml:posList>3451508.29 5429341.28 120.647 3451500.46 5429346.87 120.647 3451500.46 5429346.87 114.736 3451508.29 5429341.28 114.736 3451508.29 5429341.28 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-15bb2fc4-8376-4fab-a40d-9b83cd20a07a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocc4b7734-294c-47ef-b9ca-09fcf5274939" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245881">
<gml:exterior>
<gml:LinearRing gml:id="ringID245881">
<gml:posList>3451500.46 5429346.87 120.647 3451505 5429353.16 120.647 3451505 5429353.16 114.736 3451500.46 5429346.87 114.736 3451500.46 5429346.87 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6ff511cd-aed4-4c22-8e6e-97f50d596ad0">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo28072403-7ccd-4916-91ff-fb3488acdcdf" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245882">
<gml:exterior>
<gml:LinearRing gml:id="ringID245882">
<gml:posList>3451505 5429353.16 120.647 3451512.81 5429347.52 120.647 3451512.81 5429347.52 114.736 3451505 5429353.16 114.736 3451505 5429353.16 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-7d8309ee-374a-462e-b92c-fff5005f7bc4">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe9fee067-e565-48a4-a8ec-4adf3777c757" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245883">
<gml:exterior>
<gml:LinearRing gml:id="ringID245883">
<gml:posList>3451500.46 5429346.87 120.647 3451508.29 5429341.28 120.647 3451504.375 5429344.075 122.891 3451500.46 5429346.87 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-e6efefe1-8d5a-4ea1-9e31-e75c6ec5666a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4e8de878-67cc-465e-a81e-e3bf2179d008" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245884">
<gml:exterior>
<gml:LinearRing gml:id="ringID245884">
<gml:posList>3451512.81 5429347.52 120.647 3451505 5429353.16 120.647 3451508.905 5429350.34 122.891 3451512.81 5429347.52 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-8f27c992-ab55-4df6-8261-958073e3abb9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo575a5fa6-99a7-45e2-b4af-6dfcea5cfa92" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245885">
<gml:exterior>
<gml:LinearRing gml:id="ringID245885">
<gml:posList>3451508.29 5429341.28 120.647 3451512.81 5429347.52 120.647 3451508.905 5429350.34 122.891 3451504.375 5429344.075 122.891 3451508.29 5429341.28 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-71cc014a-b097-4461-bd9d-3a82cacb5a57">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodf0a493c-d71f-45c5-b04e-992edeff0946" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245886">
<gml:exterior>
<gml:LinearRing gml:id="ringID245886">
<gml:posList>3451505 5429353.16 120.647 3451500.46 5429346.87 120.647 3451504.375 5429344.075 122.891 3451508.905 5429350.34 122.891 3451505 5429353.16 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-7bbc6c52-3f9f-4cca-9bd8-5a9d0fe04141">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodf424a0b-641d-43f2-9634-90a88e6cd179" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo245887">
<gml:exterior>
<gml:LinearRing gml:id="ringID245887">
<gml:posList>3451512.81 5429347.52 114.736 3451508.29 5429341.28 114.736 3451500.46 5429346.87 114.736 3451505 5429353.16 114.736 3451512.81 5429347.52 114.736</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050120_______">
<gml:name>A08212000048050120_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.12</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.644</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6612ff98-e529-4258-b2c4-a5599494f9d1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob06bd16c-ecf7-4373-95fa-f7031926caa0" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236182">
<gml:exterior>
<gml:LinearRing gml:id="ringID236182">
<gml:posList>3451418.73 5429383.76 121.12 3451414.66 5429378.07 121.12 3451414.66 5429378.07 114.465 3451418.73 5429383.76 114.465 3451418.73 5429383.76 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-20c17da1-2516-416e-a4da-e94626473618">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeod513a74f-1fd8-4566-a991-ad4cf5eafe8f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236183">
<gml:exterior>
<gml:LinearRing gml:id="ringID236183">
<gml:posList>3451414.66 5429378.07 121.12 3451405.33 5429384.78 121.12 3451405.33 5429384.78 114.465 3451414.66 5429378.07 114.465 3451414.66 5429378.07 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-a9163033-7e30-4624-86e2-30e9eb79d06b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeode65ec40-d26e-4d70-be06-1a09ed2ad152" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236184">
<gml:exterior>
<gml:LinearRing gml:id="ringID236184">
<gml:posList>3451405.33 5429384.78 121.12 3451409.4 5429390.47 121.12 3451409.4 5429390.47 114.465 3451405.33 5429384.78 114.465 3451405.33 5429384.78 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f702f0dd-a2d0-4426-9af7-002ae4535aae">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4579021a-24a6-4364-82d7-48d434df733c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236185">
<gml:exterior>
<gml:LinearRing gml:id="ringID236185">
<gml:posList>3451409.4 5429390.47 121.12 3451418.73 5429383.76 121.12 3451418.73 5429383.76 114.465 3451409.4 5429390.47 114.465 3451409.4 5429390.47 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5cf074c3-a23a-418e-8726-54ac908fdd35">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo72625bda-1414-4bf9-8f9b-d698a880b2d1" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236186">
<gml:exterior>
<gml:LinearRing gml:id="ringID236186">
<gml:posList>3451405.33 5429384.78 121.12 3451414.66 5429378.07 121.12 3451409.995 5429381.425 124.644 3451405.33 5429384.78 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6fdd0eed-2c93-42cf-a4e6-92e95d318e55">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo05287d6e-a23b-467a-bcef-e8f8a0e30d3e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236187">
<gml:exterior>
<gml:LinearRing gml:id="ringID236187">
<gml:posList>3451418.73 5429383.76 121.12 3451409.4 5429390.47 121.12 3451414.065 5429387.115 124.644 3451418.73 5429383.76 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-25af7fd1-cb26-4a8b-a6ef-795d25a4797f">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe79e35c1-c0c7-4954-8fbf-190d5faf8386" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236188">
<gml:exterior>
<gml:LinearRing gml:id="ringID236188">
<gml:posList>3451414.66 5429378.07 121.12 3451418.73 5429383.76 121.12 3451414.065 5429387.115 124.644 3451409.995 5429381.425 124.644 3451414.66 5429378.07 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-cf22a6fa-cec7-4c18-8822-f47452671806">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo04b095db-1e93-43e6-b70a-a69c7f62d709" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236189">
<gml:exterior>
<gml:LinearRing gml:id="ringID236189">
<gml:posList>3451409.4 5429390.47 121.12 3451405.33 5429384.78 121.12 3451409.995 5429381.425 124.644 3451414.065 5429387.115 124.644 3451409.4 5429390.47 121.12</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-877292ab-adb9-4f56-a73c-b33dc3afbc25">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof9c773cd-aff5-45bc-896e-d397cd9adb5f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236190">
<gml:exterior>
<gml:LinearRing gml:id="ringID236190">
<gml:posList>3451418.73 5429383.76 114.465 3451414.66 5429378.07 114.465 3451405.33 5429384.78 114.465 3451409.4 5429390.47 114.465 3451418.73 5429383.76 114.465</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029580000001">
<gml:name>F082120000362029580000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4f573e44-62cf-4804-baa6-ba83ee1b885e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo6d0605dd-7959-46ee-a591-20b602f2efbb" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220552">
<gml:exterior>
<gml:LinearRing gml:id="ringID220552">
<gml:posList>3451467.63 5429303.38 116.773 3451471.15 5429308.25 116.773 3451471.15 5429308.25 114.288 3451467.63 5429303.38 114.288 3451467.63 5429303.38 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6670f45a-c2dc-4d93-b9ac-951ceaac4d6f">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo8c63f5b7-85fb-4d8d-bc5c-7987b48d2c2a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220553">
<gml:exterior>
<gml:LinearRing gml:id="ringID220553">
<gml:posList>3451471.15 5429308.25 116.773 3451473.57 5429306.5 116.773 3451473.57 5429306.5 114.288 3451471.15 5429308.25 114.288 3451471.15 5429308.25 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-20deeaba-4e99-4b85-885e-7ba62732a255">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoce49262c-c078-4bb4-ba53-66360dae5d19" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220554">
<gml:exterior>
<gml:LinearRing gml:id="ringID220554">
<gml:posList>3451473.57 5429306.5 116.773 3451470.04 5429301.64 116.773 3451470.04 5429301.64 114.288 3451473.57 5429306.5 114.288 3451473.57 5429306.5 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4325ce8d-20cd-40e7-8c1a-4aa7d57e778e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe8e42d33-e8de-4a40-a6eb-28e3334bd792" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220555">
<gml:exterior>
<gml:LinearRing gml:id="ringID220555">
<gml:posList>3451470.04 5429301.64 116.773 3451467.63 5429303.38 116.773 3451467.63 5429303.38 114.288 3451470.04 5429301.64 114.288 3451470.04 5429301.64 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-81be0128-adb6-4e57-8fe7-da348d24ebb4">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe95be6fb-6f94-4495-aedd-54d701e5c1cd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220556">
<gml:exterior>
<gml:LinearRing gml:id="ringID220556">
<gml:posList>3451470.04 5429301.64 116.773 3451473.57 5429306.5 116.773 3451471.15 5429308.25 116.773 3451467.63 5429303.38 116.773 3451470.04 5429301.64 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-ca731dc0-b075-4b45-b3b9-d49e3bc79cad">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoac957a73-b60a-4ac0-b3ab-b5583e17c2c4" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220557">
<gml:exterior>
<gml:LinearRing gml:id="ringID220557">
<gml:posList>3451467.63 5429303.38 114.288 3451471.15 5429308.25 114.288 3451473.57 5429306.5 114.288 3451470.04 5429301.64 114.288 3451467.63 5429303.38 114.288</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050017_______">
<gml:name>A08212000048050017_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.712</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.73</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-cfadce4a-90e2-4193-845b-bba7600cfea8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7eff1be4-b347-440f-8901-e771e47225a6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222254">
<gml:exterior>
<gml:LinearRing gml:id="ringID222254">
<gml:posList>3451481.46 5429233.39 120.712 3451471.273 5429242.02 120.712 3451471.273 5429242.02 113.955 3451481.46 5429233.39 113.955 3451481.46 5429233.39 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d89bbf05-f89e-44d5-ad0c-382558da17d9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2ba12406-40bd-43f1-ba4e-09b3ab9d88d7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222255">
<gml:exterior>
<gml:LinearRing gml:id="ringID222255">
<gml:posList>3451471.273 5429242.02 120.712 3451477.09 5429249.49 120.712 3451477.09 5429249.49 113.955 3451471.273 5429242.02 113.955 3451471.273 5429242.02 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-8291a45e-6179-4785-8a40-cc3682123f51">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo06171160-f958-4be1-8da7-af5a559f3946" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222256">
<gml:exterior>
<gml:LinearRing gml:id="ringID222256">
<gml:posList>3451477.09 5429249.49 120.712 3451487.51 5429240.66 120.712 3451487.51 5429240.66 113.955 3451477.09 5429249.49 113.955 3451477.09 5429249.49 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-cd6a72a5-032b-4820-aab4-a1efa6b02bde">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo5c897859-dfba-4faa-8261-d25ed8f96543" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222257">
<gml:exterior>
<gml:LinearRing gml:id="ringID222257">
<gml:posList>3451487.51 5429240.66 120.712 3451481.46 5429233.39 120.712 3451481.46 5429233.39 113.955 3451487.51 5429240.66 113.955 3451487.51 5429240.66 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-cb6f3923-be51-4def-90e1-0f72c59b06ad">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeofab151c9-b7e7-4f19-9a18-3654977e4eff" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222258">
<gml:exterior>
<gml:LinearRing gml:id="ringID222258">
<gml:posList>3451477.09 5429249.49 120.712 3451471.273 5429242.02 120.712 3451474.181 5429245.755 124.73 3451477.09 5429249.49 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-b3d892cc-06df-44de-9a55-49cfd1005f27">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoedcc142f-16c2-43f5-8966-1e7c497ba3a3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222259">
<gml:exterior>
<gml:LinearRing gml:id="ringID222259">
<gml:posList>3451481.46 5429233.39 120.712 3451487.51 5429240.66 120.712 3451484.485 5429237.025 124.73 3451481.46 5429233.39 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-c48b142a-dd88-4d0f-8b40-b9aae540b916">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo28c5df4e-3fc4-4232-ad19-3a087eb2f09c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222260">
<gml:exterior>
<gml:LinearRing gml:id="ringID222260">
<gml:posList>3451471.273 5429242.02 120.712 3451481.46 5429233.39 120.712 3451484.485 5429237.025 124.73 3451474.181 5429245.755 124.73 3451471.273 5429242.02 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-c97e3204-bc67-4210-a4d2-209867293076">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2715e4b6-e84c-4828-b659-b4b38106646a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222261">
<gml:exterior>
<gml:LinearRing gml:id="ringID222261">
<gml:posList>3451487.51 5429240.66 120.712 3451477.09 5429249.49 120.712 3451474.181 5429245.755 124.73 3451484.485 5429237.025 124.73 3451487.51 5429240.66 120.712</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-e91ffb76-bb9a-4eaf-95b3-ebb903dc95e6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof1d2d46d-66fa-438b-b964-af9163a0c024" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222262">
<gml:exterior>
<gml:LinearRing gml:id="ringID222262">
<gml:posList>3451481.46 5429233.39 113.955 3451471.273 5429242.02 113.955 3451477.09 5429249.49 113.955 3451487.51 5429240.66 113.955 3451481.46 5429233.39 113.955</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029583000001">
<gml:name>F082120000362029583000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-10348589-84c2-441a-87b6-2645e4d1df12">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo66e5fcae-eee0-4876-8dbe-608021df6894" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220316">
<gml:exterior>
<gml:LinearRing gml:id="ringID220316">
<gml:posList>3451474.98 5429298.08 116.773 3451478.49 5429302.96 116.773 3451478.49 5429302.96 114.213 3451474.98 5429298.08 114.213 3451474.98 5429298.08 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0a37b773-1160-4e05-8a7b-5afca1665231">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7bef863c-2ee1-49b3-bd2f-5721597945bd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220317">
<gml:exterior>
<gml:LinearRing gml:id="ringID220317">
<gml:posList>3451478.49 5429302.96 116.773 3451480.88 5429301.23 116.773 3451480.88 5429301.23 114.213 3451478.49 5429302.96 114.213 3451478.49 5429302.96 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6f5d2ea2-5609-44b4-a717-acda891d0378">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo810cd6c9-e26e-465c-8044-c03a990cada5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220318">
<gml:exterior>
<gml:LinearRing gml:id="ringID220318">
<gml:posList>3451480.88 5429301.23 116.773 3451477.34 5429296.35 116.773 3451477.34 5429296.35 114.213 3451480.88 5429301.23 114.213 3451480.88 5429301.23 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-966d304e-7019-4fb6-b172-ba8cb3608592">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo77003926-d50e-443e-a7af-a96c1694f29e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220319">
<gml:exterior>
<gml:LinearRing gml:id="ringID220319">
<gml:posList>3451477.34 5429296.35 116.773 3451474.98 5429298.08 116.773 3451474.98 5429298.08 114.213 3451477.34 5429296.35 114.213 3451477.34 5429296.35 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-046f3ed2-a124-4f48-8af5-0dce01c278d8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo60f1d640-206f-4c0a-a6ff-d5788096a10a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220320">
<gml:exterior>
<gml:LinearRing gml:id="ringID220320">
<gml:posList>3451477.34 5429296.35 116.773 3451480.88 5429301.23 116.773 3451478.49 5429302.96 116.773 3451474.98 5429298.08 116.773 3451477.34 5429296.35 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-7f071390-8fe1-42e5-8422-76dade710599">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoae8d9f16-cc35-4dce-b323-beaf75ccb45a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220321">
<gml:exterior>
<gml:LinearRing gml:id="ringID220321">
<gml:posList>3451474.98 5429298.08 114.213 3451478.49 5429302.96 114.213 3451480.88 5429301.23 114.213 3451477.34 5429296.35 114.213 3451474.98 5429298.08 114.213</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050084_______">
<gml:name>A08212000048050084_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.147</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.591</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-2ba14b00-1550-4cfc-a89f-0aac35c7e2ec">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeod503864a-914d-4c36-ae03-5759d379e94f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250059">
<gml:exterior>
<gml:LinearRing gml:id="ringID250059">
<gml:posList>3451446.68 5429328.48 121.147 3451451.79 5429335.62 121.147 3451451.79 5429335.62 114.382 3451446.68 5429328.48 114.382 3451446.68 5429328.48 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-df3b7118-1bcf-4fe7-9fe1-eac6a930b369">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo858392c9-6233-45df-a33f-0e73fd1fe7a2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250060">
<gml:exterior>
<gml:LinearRing gml:id="ringID250060">
<gml:posList>3451451.79 5429335.62 121.147 3451460.71 5429329.18 121.147 3451460.71 5429329.18 114.382 3451451.79 5429335.62 114.382 3451451.79 5429335.62 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c4c495b2-449c-4901-9d61-d95c921c0c88">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo50fbcd36-eb42-40a6-a8ff-4c13f859ea7b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250061">
<gml:exterior>
<gml:LinearRing gml:id="ringID250061">
<gml:posList>3451460.71 5429329.18 121.147 3451455.54 5429322.09 121.147 3451455.54 5429322.09 114.382 3451460.71 5429329.18 114.382 3451460.71 5429329.18 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-66e4f56b-07d4-4bdb-8ae4-7fa0ee2fe206">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo123b1f7e-7df3-4fa6-8053-a30c66c0f1bb" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250062">
<gml:exterior>
<gml:LinearRing gml:id="ringID250062">
<gml:posList>3451455.54 5429322.09 121.147 3451446.68 5429328.48 121.147 3451446.68 5429328.48 114.382 3451455.54 5429322.09 114.382 3451455.54 5429322.09 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-89025860-a569-49a0-83d1-981a3c0e0753">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocca0ce9c-b2c2-460c-a51b-25045a4fb77d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250063">
<gml:exterior>
<gml:LinearRing gml:id="ringID250063">
<gml:posList>3451460.71 5429329.18 121.147 3451451.79 5429335.62 121.147 3451456.25 5429332.4 123.591 3451460.71 5429329.18 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-56de92b4-8a35-4933-a074-c523c9d51fa3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2b1a63ee-4f5b-4a84-8c55-3a588217fa00" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250064">
<gml:exterior>
<gml:LinearRing gml:id="ringID250064">
<gml:posList>3451446.68 5429328.48 121.147 3451455.54 5429322.09 121.147 3451451.11 5429325.285 123.591 3451446.68 5429328.48 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-4ab1efad-9171-4539-aae7-96aef26a6702">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa4267fec-b342-483c-b399-b02e9a52a581" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250065">
<gml:exterior>
<gml:LinearRing gml:id="ringID250065">
<gml:posList>3451451.79 5429335.62 121.147 3451446.68 5429328.48 121.147 3451451.11 5429325.285 123.591 3451456.25 5429332.4 123.591 3451451.79 5429335.62 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-79f2e43c-a99c-4cd2-9a97-e755d3f379d9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo243b9e2a-aea4-440f-aa84-4f523dcdfc99" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250066">
<gml:exterior>
<gml:LinearRing gml:id="ringID250066">
<gml:posList>3451455.54 5429322.09 121.147 3451460.71 5429329.18 121.147 3451456.25 5429332.4 123.591 3451451.11 5429325.285 123.591 3451455.54 5429322.09 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-1f9755b2-f629-4908-869d-69a16c056402">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof91619cc-4d88-4e36-ad28-e1be72cdb9cd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo250067">
<gml:exterior>
<gml:LinearRing gml:id="ringID250067">
<gml:posList>3451446.68 5429328.48 114.382 3451451.79 5429335.62 114.382 3451460.71 5429329.18 114.382 3451455.54 5429322.09 114.382 3451446.68 5429328.48 114.382</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050098_______">
<gml:name>A08212000048050098_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.147</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.591</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-cb7fb7ef-41f9-478e-af0d-b584bba506a7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo41fdcee4-2758-4209-9eae-6b7e06ff99a8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222947">
<gml:exterior>
<gml:LinearRing gml:id="ringID222947">
<gml:posList>3451474.59 5429369.07 121.147 3451478.54 5429374.58 121.147 3451478.54 5429374.58 114.619 3451474.59 5429369.07 114.619 3451474.59 5429369.07 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-79dc6e20-ddbd-4ef1-91f8-88398e161952">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo70cac857-3348-4d91-89c6-3acb124ddd3d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222948">
<gml:exterior>
<gml:LinearRing gml:id="ringID222948">
<gml:posList>3451478.54 5429374.58 121.147 3451487.51 5429368.19 121.147 3451487.51 5429368.19 114.619 3451478.54 5429374.58 114.619 3451478.54 5429374.58 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d81d381e-9fbd-436c-a676-723b5c5d3f6d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo539bc997-9455-4054-8c13-5118a0e2d160" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222949">
<gml:exterior>
<gml:LinearRing gml:id="ringID222949">
<gml:posList>3451487.51 5429368.19 121.147 3451483.53 5429362.65 121.147 3451483.53 5429362.65 114.619 3451487.51 5429368.19 114.619 3451487.51 5429368.19 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-747d33ea-ef84-47ab-9d85-2075075455ec">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob81c1ea8-346d-4391-bc32-adf0a58bc504" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222950">
<gml:exterior>
<gml:LinearRing gml:id="ringID222950">
<gml:posList>3451483.53 5429362.65 121.147 3451474.59 5429369.07 121.147 3451474.59 5429369.07 114.619 3451483.53 5429362.65 114.619 3451483.53 5429362.65 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-71a7c6ec-c63b-497c-bbe0-d02d41f979a1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2a5dee0a-6628-49af-81e0-5ef45541800f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222951">
<gml:exterior>
<gml:LinearRing gml:id="ringID222951">
<gml:posList>3451487.51 5429368.19 121.147 3451478.54 5429374.58 121.147 3451483.025 5429371.385 123.591 3451487.51 5429368.19 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d9ede130-ea54-4bb0-bf7d-539d666b3541">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo5e788188-2e44-49f6-9f9e-7dcb9f4e2c51" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222952">
<gml:exterior>
<gml:LinearRing gml:id="ringID222952">
<gml:posList>3451474.59 5429369.07 121.147 3451483.53 5429362.65 121.147 3451479.06 5429365.86 123.591 3451474.59 5429369.07 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-828bf937-986b-49c0-b502-986601c34ced">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoef0b905a-202e-4f79-99b1-2c19ddd0828c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222953">
<gml:exterior>
<gml:LinearRing gml:id="ringID222953">
<gml:posList>3451478.54 5429374.58 121.147 3451474.59 5429369.07 121.147 3451479.06 5429365.86 123.591 3451483.025 5429371.385 123.591 3451478.54 5429374.58 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-fd04cb5b-1f4f-475e-a999-cee15b3f80c3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo35235b0d-b9c4-496b-b9c9-3eb48febfd57" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222954">
<gml:exterior>
<gml:LinearRing gml:id="ringID222954">
<gml:posList>3451483.53 5429362.65 121.147 3451487.51 5429368.19 121.147 3451483.025 5429371.385 123.591 3451479.06 5429365.86 123.591 3451483.53 5429362.65 121.147</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-3bc4781a-10e2-4db2-a123-2cc8a943f3fb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo6b585f4f-9d0a-4998-93df-695562d6cb50" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222955">
<gml:exterior>
<gml:LinearRing gml:id="ringID222955">
<gml:posList>3451474.59 5429369.07 114.619 3451478.54 5429374.58 114.619 3451487.51 5429368.19 114.619 3451483.53 5429362.65 114.619 3451474.59 5429369.07 114.619</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000063350005_______">
<gml:name>A08212000063350005_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>139.573</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>139.573</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c9595b89-38f4-4d78-b579-135000140abf">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo1da7bd1a-6498-4afd-946b-66450b9beeca" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233926">
<gml:exterior>
<gml:LinearRing gml:id="ringID233926">
<gml:posList>3451281.68 5429357.53 139.573 3451276.42 5429357.52 139.573 3451276.42 5429357.52 114.539 3451281.68 5429357.53 114.539 3451281.68 5429357.53 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-afdc84b5-f5cf-4009-8d88-275660d34723">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe3b32590-c580-4062-ae73-01d2e0fb01af" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233927">
<gml:exterior>
<gml:LinearRing gml:id="ringID233927">
<gml:posList>3451276.42 5429357.52 139.573 3451276.36 5429376.49 139.573 3451276.36 5429376.49 114.539 3451276.42 5429357.52 114.539 3451276.42 5429357.52 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d6c492a3-fd42-49f4-866d-3b92106cc997">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo75522f03-4033-4f83-a6f2-1bf2ed239f3f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233928">
<gml:exterior>
<gml:LinearRing gml:id="ringID233928">
<gml:posList>3451276.36 5429376.49 139.573 3451281.99 5429376.49 139.573 3451281.99 5429376.49 114.539 3451276.36 5429376.49 114.539 3451276.36 5429376.49 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4fd86b9c-b9a5-427d-872f-0b76c15808db">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo22e07f19-7045-4a5f-b775-e22c2dff44c3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233929">
<gml:exterior>
<gml:LinearRing gml:id="ringID233929">
<gml:posList>3451281.99 5429376.49 139.573 3451281.99 5429377.11 139.573 3451281.99 5429377.11 114.539 3451281.99 5429376.49 114.539 3451281.99 5429376.49 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-ec978eca-b5d3-4600-9e08-93f72de4b882">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo939bef3a-3418-4963-831e-90b4256ab8e3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233930">
<gml:exterior>
<gml:LinearRing gml:id="ringID233930">
<gml:posList>3451281.99 5429377.11 139.573 3451290.4 5429377.1 139.573 3451290.4 5429377.1 114.539 3451281.99 5429377.11 114.539 3451281.99 5429377.11 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-e47c94a5-e92f-4014-bb11-aa96ee6603f4">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob4ee01ff-b3d9-4a84-86d6-73f83f6608ef" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233931">
<gml:exterior>
<gml:LinearRing gml:id="ringID233931">
<gml:posList>3451290.4 5429377.1 139.573 3451290.4 5429376.48 139.573 3451290.4 5429376.48 114.539 3451290.4 5429377.1 114.539 3451290.4 5429377.1 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-3a89271f-d4bc-4e1d-9642-2d7ad1d70672">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo8db4eec3-ae1c-4ee0-af20-aae2a751dd67" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233932">
<gml:exterior>
<gml:LinearRing gml:id="ringID233932">
<gml:posList>3451290.4 5429376.48 139.573 3451296.06 5429376.48 139.573 3451296.06 5429376.48 114.539 3451290.4 5429376.48 114.539 3451290.4 5429376.48 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-94bab6c6-90d5-4f43-9c5b-975d2df21aaf">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoca0a16d3-31d5-4c2d-ab55-97aa977a6a14" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233933">
<gml:exterior>
<gml:LinearRing gml:id="ringID233933">
<gml:posList>3451296.06 5429376.48 139.573 3451296.11 5429357.56 139.573 3451296.11 5429357.56 114.539 3451296.06 5429376.48 114.539 3451296.06 5429376.48 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-077672c4-6b06-42c1-b74b-56c03d233d34">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo816bc485-f04a-4833-88c9-de1990aa102d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233934">
<gml:exterior>
<gml:LinearRing gml:id="ringID233934">
<gml:posList>3451296.11 5429357.56 139.573 3451290.85 5429357.55 139.573 3451290.85 5429357.55 114.539 3451296.11 5429357.56 114.539 3451296.11 5429357.56 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-93a8faa4-4a61-401b-8be2-06a8a51b9ba3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2a34eab6-e737-4f69-a2b8-92212c274cb3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233935">
<gml:exterior>
<gml:LinearRing gml:id="ringID233935">
<gml:posList>3451290.85 5429357.55 139.573 3451290.85 5429356.68 139.573 3451290.85 5429356.68 114.539 3451290.85 5429357.55 114.539 3451290.85 5429357.55 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9f64cbaa-3d12-46ff-a0d8-ce0e8ce9be89">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4172e0d7-2e8e-4212-ac6f-66d1a5d91e77" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233936">
<gml:exterior>
<gml:LinearRing gml:id="ringID233936">
<gml:posList>3451290.85 5429356.68 139.573 3451281.69 5429356.66 139.573 3451281.69 5429356.66 114.539 3451290.85 5429356.68 114.539 3451290.85 5429356.68 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6ccb5169-083b-42a5-a79f-658387b93ccf">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo39cc2bcc-0c0e-4b9e-9349-364711295ef8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233937">
<gml:exterior>
<gml:LinearRing gml:id="ringID233937">
<gml:posList>3451281.69 5429356.66 139.573 3451281.68 5429357.53 139.573 3451281.68 5429357.53 114.539 3451281.69 5429356.66 114.539 3451281.69 5429356.66 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-02969178-160f-4653-95f5-63add91c3b01">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa56a6750-0b57-4ef5-801a-1d35310ac94b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233938">
<gml:exterior>
<gml:LinearRing gml:id="ringID233938">
<gml:posList>3451281.69 5429356.66 139.573 3451290.85 5429356.68 139.573 3451290.85 5429357.55 139.573 3451296.11 5429357.56 139.573 3451296.06 5429376.48 139.573 3451290.4 5429376.48 139.573 3451290.4 5429377.1 139.573 3451281.99 5429377.11 139.573 3451281.99 5429376.49 139.573 3451276.36 5429376.49 139.573 3451276.42 5429357.52 139.573 3451281.68 5429357.53 139.573 3451281.69 5429356.66 139.573</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-4441744b-761e-4782-bd30-de8bcfab4dfa">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo12f0e6c1-8911-422e-98bb-eb8cb42333a9" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo233939">
<gml:exterior>
<gml:LinearRing gml:id="ringID233939">
<gml:posList>3451281.68 5429357.53 114.539 3451276.42 5429357.52 114.539 3451276.36 5429376.49 114.539 3451281.99 5429376.49 114.539 3451281.99 5429377.11 114.539 3451290.4 5429377.1 114.539 3451290.4 5429376.48 114.539 3451296.06 5429376.48 114.539 3451296.11 5429357.56 114.539 3451290.85 5429357.55 114.539 3451290.85 5429356.68 114.539 3451281.69 5429356.66 114.539 3451281.68 5429357.53 114.539</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550013_______">
<gml:name>A08212000041550013_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.524</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.634</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-17a30fa8-102c-4e6a-96e2-02e1f531379b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe4566163-62e9-479b-a27e-b1f3cd0b37e6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235591">
<gml:exterior>
<gml:LinearRing gml:id="ringID235591">
<gml:posList>3451416.72 5429227.03 120.524 3451426.68 5429217.04 120.524 3451426.68 5429217.04 114.198 3451416.72 5429227.03 114.198 3451416.72 5429227.03 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-94526e3e-0f1f-4b82-b6e1-9bba13fc8988">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7f00e56b-b397-4fab-98bd-03d508822eb2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235592">
<gml:exterior>
<gml:LinearRing gml:id="ringID235592">
<gml:posList>3451426.68 5429217.04 120.524 3451420.43 5429210.83 120.524 3451420.43 5429210.83 114.198 3451426.68 5429217.04 114.198 3451426.68 5429217.04 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f3cf6ca8-90ad-48c2-9771-b2e732133d56">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0b12ecec-a44c-4f7d-bca2-0c7db9de51ee" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235593">
<gml:exterior>
<gml:LinearRing gml:id="ringID235593">
<gml:posList>3451420.43 5429210.83 120.524 3451410.49 5429220.82 120.524 3451410.49 5429220.82 114.198 3451420.43 5429210.83 114.198 3451420.43 5429210.83 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9c695b0d-4d69-4d43-a06c-beaa03f2237e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe1c7d809-77c7-47d0-8576-3df4908c6e3f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235594">
<gml:exterior>
<gml:LinearRing gml:id="ringID235594">
<gml:posList>3451410.49 5429220.82 120.524 3451416.72 5429227.03 120.524 3451416.72 5429227.03 114.198 3451410.49 5429220.82 114.198 3451410.49 5429220.82 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4ca2f76c-3dd0-4bce-8703-3b3b6f921680">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0cfe308c-8865-413b-8a30-4cce03591b7c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235595">
<gml:exterior>
<gml:LinearRing gml:id="ringID235595">
<gml:posList>3451420.43 5429210.83 120.524 3451426.68 5429217.04 120.524 3451423.555 5429213.935 124.634 3451420.43 5429210.83 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-1b799b61-aee2-45a0-b829-4cb51c8b2733">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof02c3b0a-d35b-49e9-9313-d06f0921df3e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235596">
<gml:exterior>
<gml:LinearRing gml:id="ringID235596">
<gml:posList>3451416.72 5429227.03 120.524 3451410.49 5429220.82 120.524 3451413.605 5429223.925 124.634 3451416.72 5429227.03 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-8ea095cd-dbd2-45fc-ae63-c4050c5dfa3b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo52bd5cec-c351-4b73-b30a-56d4cbf11afb" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235597">
<gml:exterior>
<gml:LinearRing gml:id="ringID235597">
<gml:posList>3451426.68 5429217.04 120.524 3451416.72 5429227.03 120.524 3451413.605 5429223.925 124.634 3451423.555 5429213.935 124.634 3451426.68 5429217.04 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-42082f3e-508f-43a8-a85c-e8ff663a8d06">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob4d6bcfd-11be-48a8-a185-990191fb8ea2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235598">
<gml:exterior>
<gml:LinearRing gml:id="ringID235598">
<gml:posList>3451410.49 5429220.82 120.524 3451420.43 5429210.83 120.524 3451423.555 5429213.935 124.634 3451413.605 5429223.925 124.634 3451410.49 5429220.82 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-a43eb2f7-3717-4016-bf4b-e9f2d0c7246b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoc57bb7a5-8dec-4d91-8c51-6b53d57b523c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo235599">
<gml:exterior>
<gml:LinearRing gml:id="ringID235599">
<gml:posList>3451416.72 5429227.03 114.198 3451426.68 5429217.04 114.198 3451420.43 5429210.83 114.198 3451410.49 5429220.82 114.198 3451416.72 5429227.03 114.198</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550019_______">
<gml:name>A08212000041550019_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.543</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.69</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-87e9d710-9e37-4842-922f-36fa53a4243d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0d0a805e-2f18-434b-b769-e00154ef55f8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231047">
<gml:exterior>
<gml:LinearRing gml:id="ringID231047">
<gml:posList>3451378.27 5429253.15 120.543 3451368.33 5429263.16 120.543 3451368.33 5429263.16 114.224 3451378.27 5429253.15 114.224 3451378.27 5429253.15 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f3f35eea-1945-407f-b100-6d1024c94792">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoc4517dba-7a24-4d9e-9679-a8f3b6d0fa09" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231048">
<gml:exterior>
<gml:LinearRing gml:id="ringID231048">
<gml:posList>3451368.33 5429263.16 120.543 3451374.51 5429269.4 120.543 3451374.51 5429269.4 114.224 3451368.33 5429263.16 114.224 3451368.33 5429263.16 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-53e13c9e-34b5-4788-90f2-76690e5ca719">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2896bade-e687-4324-af3f-8c3ce32255e7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231049">
<gml:exterior>
<gml:LinearRing gml:id="ringID231049">
<gml:posList>3451374.51 5429269.4 120.543 3451384.48 5429259.39 120.543 3451384.48 5429259.39 114.224 3451374.51 5429269.4 114.224 3451374.51 5429269.4 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-98c2c389-9cc2-491f-9a43-40a8a07a5c87">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo564faeef-adc5-4ab3-9083-968778038dbd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231050">
<gml:exterior>
<gml:LinearRing gml:id="ringID231050">
<gml:posList>3451384.48 5429259.39 120.543 3451378.27 5429253.15 120.543 3451378.27 5429253.15 114.224 3451384.48 5429259.39 114.224 3451384.48 5429259.39 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c66926c4-48d4-4752-b3cf-0cb845b709e3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob5e6659d-af61-4e6f-a3d4-97a924f4a437" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231051">
<gml:exterior>
<gml:LinearRing gml:id="ringID231051">
<gml:posList>3451374.51 5429269.4 120.543 3451368.33 5429263.16 120.543 3451371.42 5429266.28 124.69 3451374.51 5429269.4 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f467ebda-5aaa-4682-8cde-e445e993eae1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo401d6d46-45b1-4a55-a9d7-85798b72b752" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231052">
<gml:exterior>
<gml:LinearRing gml:id="ringID231052">
<gml:posList>3451378.27 5429253.15 120.543 3451384.48 5429259.39 120.543 3451381.375 5429256.27 124.69 3451378.27 5429253.15 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-47a2f812-ca5d-4d8e-9181-a8367ec9e6b5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodd69c78e-f8ea-46f1-9e6d-ebfdefcf4fb8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231053">
<gml:exterior>
<gml:LinearRing gml:id="ringID231053">
<gml:posList>3451368.33 5429263.16 120.543 3451378.27 5429253.15 120.543 3451381.375 5429256.27 124.69 3451371.42 5429266.28 124.69 3451368.33 5429263.16 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-713d8a7d-b6b8-4bf8-8d19-88e3f387a04a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof41f3486-083d-4544-a4d8-7699ce535cc8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231054">
<gml:exterior>
<gml:LinearRing gml:id="ringID231054">
<gml:posList>3451384.48 5429259.39 120.543 3451374.51 5429269.4 120.543 3451371.42 5429266.28 124.69 3451381.375 5429256.27 124.69 3451384.48 5429259.39 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-ff3d5e26-35f1-4232-b729-a18b9f6fce5f">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo06a714ca-ac6d-49ee-8462-b23b1dd1c59d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231055">
<gml:exterior>
<gml:LinearRing gml:id="ringID231055">
<gml:posList>3451378.27 5429253.15 114.224 3451368.33 5429263.16 114.224 3451374.51 5429269.4 114.224 3451384.48 5429259.39 114.224 3451378.27 5429253.15 114.224</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050100_______">
<gml:name>A08212000048050100_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.673</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>123.351</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-02bf40f5-dd23-495d-b46d-ad6bcd150303">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo834716fb-488b-4a95-8c66-b2e00dede59b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242728">
<gml:exterior>
<gml:LinearRing gml:id="ringID242728">
<gml:posList>3451435.1 5429349.59 121.673 3451430.08 5429342.57 121.673 3451430.08 5429342.57 114.274 3451435.1 5429349.59 114.274 3451435.1 5429349.59 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5dc0a2da-99fb-4518-b9fb-0e294b4bc450">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4e713be4-3c66-41c1-b6ea-ff5d8c7b8397" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242729">
<gml:exterior>
<gml:LinearRing gml:id="ringID242729">
<gml:posList>3451430.08 5429342.57 121.673 3451421.16 5429348.99 121.673 3451421.16 5429348.99 114.274 3451430.08 5429342.57 114.274 3451430.08 5429342.57 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-b028711d-7e1c-4341-a46f-96f3d7c3678e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocf2e26e1-289f-4460-a7c8-9649df8267fd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242730">
<gml:exterior>
<gml:LinearRing gml:id="ringID242730">
<gml:posList>3451421.16 5429348.99 121.673 3451426.18 5429356 121.673 3451426.18 5429356 114.274 3451421.16 5429348.99 114.274 3451421.16 5429348.99 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-09bfd1fd-6a08-4eda-91fd-10711b23eed3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0a06a983-e0c9-440d-b743-51ef13657547" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242731">
<gml:exterior>
<gml:LinearRing gml:id="ringID242731">
<gml:posList>3451426.18 5429356 121.673 3451435.1 5429349.59 121.673 3451435.1 5429349.59 114.274 3451426.18 5429356 114.274 3451426.18 5429356 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4919b09c-6fa3-4a6e-ba6f-b129cc20aa93">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe8da4beb-b3dd-4c9e-b9b6-d08328a59276" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242732">
<gml:exterior>
<gml:LinearRing gml:id="ringID242732">
<gml:posList>3451421.16 5429348.99 121.673 3451430.08 5429342.57 121.673 3451425.62 5429345.78 123.351 3451421.16 5429348.99 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d91e199f-6d42-410f-a298-85328472e080">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoc1ce9378-a8ac-468d-9305-5f42614d1b89" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242733">
<gml:exterior>
<gml:LinearRing gml:id="ringID242733">
<gml:posList>3451435.1 5429349.59 121.673 3451426.18 5429356 121.673 3451430.64 5429352.795 123.351 3451435.1 5429349.59 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-eddb8c5e-06fb-42b5-b12d-2ba0288bdae9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo6305f712-5694-4d21-9902-5933e286cdf2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242734">
<gml:exterior>
<gml:LinearRing gml:id="ringID242734">
<gml:posList>3451430.08 5429342.57 121.673 3451435.1 5429349.59 121.673 3451430.64 5429352.795 123.351 3451425.62 5429345.78 123.351 3451430.08 5429342.57 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-d762109a-1d33-493b-875f-0d69a3926ffa">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob025ac30-75ca-4893-b09a-8cfe59e5247f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242735">
<gml:exterior>
<gml:LinearRing gml:id="ringID242735">
<gml:posList>3451426.18 5429356 121.673 3451421.16 5429348.99 121.673 3451425.62 5429345.78 123.351 3451430.64 5429352.795 123.351 3451426.18 5429356 121.673</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-7d286ef2-e387-4b92-98c9-7d5b65f5d5f5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4995bb38-cf24-4b03-966f-d06713f8f7f8" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242736">
<gml:exterior>
<gml:LinearRing gml:id="ringID242736">
<gml:posList>3451435.1 5429349.59 114.274 3451430.08 5429342.57 114.274 3451421.16 5429348.99 114.274 3451426.18 5429356 114.274 3451435.1 5429349.59 114.274</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000000250033_______">
<gml:name>A08212000000250033_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>127.064</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>127.064</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-45f0910c-610a-422c-93d9-11709a791582">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7b9415d8-84d0-4f98-b4e9-13868ef77128" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225107">
<gml:exterior>
<gml:LinearRing gml:id="ringID225107">
<gml:posList>3451387.39 5429420.6 127.064 3451397.24 5429413.57 127.064 3451397.24 5429413.57 114.727 3451387.39 5429420.6 114.727 3451387.39 5429420.6 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9d874fb1-2759-4b4f-9fd4-eafad01716ad">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodf59e5ba-b92e-4f99-9695-c731ee68a38d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225108">
<gml:exterior>
<gml:LinearRing gml:id="ringID225108">
<gml:posList>3451397.24 5429413.57 127.064 3451386.11 5429398 127.064 3451386.11 5429398 114.727 3451397.24 5429413.57 114.727 3451397.24 5429413.57 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-14957ab5-2414-4542-9bef-7cbdc4b89273">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeobe752f05-25c8-4cd6-8c36-3febc5706e84" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225109">
<gml:exterior>
<gml:LinearRing gml:id="ringID225109">
<gml:posList>3451386.11 5429398 127.064 3451376.23 5429404.91 127.064 3451376.23 5429404.91 114.727 3451386.11 5429398 114.727 3451386.11 5429398 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f4f4c764-66e1-4c7a-8853-5f03bfabb8de">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob850ac7f-a2ed-47bb-ac8b-e618cbd1f6fc" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225110">
<gml:exterior>
<gml:LinearRing gml:id="ringID225110">
<gml:posList>3451376.23 5429404.91 127.064 3451387.39 5429420.6 127.064 3451387.39 5429420.6 114.727 3451376.23 5429404.91 114.727 3451376.23 5429404.91 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-30d0346c-acde-4188-8f25-1de3970df604">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2248e2dd-e148-4c91-92a0-167f389bd3ef" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225111">
<gml:exterior>
<gml:LinearRing gml:id="ringID225111">
<gml:posList>3451376.23 5429404.91 127.064 3451386.11 5429398 127.064 3451397.24 5429413.57 127.064 3451387.39 5429420.6 127.064 3451376.23 5429404.91 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-813cc369-a53f-4872-a031-573e68d04885">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo02fe86e1-de7f-4d7f-8739-b89fb18ed156" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo225112">
<gml:exterior>
<gml:LinearRing gml:id="ringID225112">
<gml:posList>3451387.39 5429420.6 114.727 3451397.24 5429413.57 114.727 3451386.11 5429398 114.727 3451376.23 5429404.91 114.727 3451387.39 5429420.6 114.727</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050068_______">
<gml:name>A08212000048050068_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.647</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>122.891</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-b9062b4d-18dd-4240-a3d8-4db8166cb748">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo59400cc2-4e34-4af2-88be-f0d6a7885470" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220660">
<gml:exterior>
<gml:LinearRing gml:id="ringID220660">
<gml:posList>3451471.15 5429308.25 120.647 3451476.38 5429315.52 120.647 3451476.38 5429315.52 114.336 3451471.15 5429308.25 114.336 3451471.15 5429308.25 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-64cbb8a1-ec38-4e5e-8125-7555c1411011">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo287f70d3-229c-4de8-946b-920b11955ac6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220661">
<gml:exterior>
<gml:LinearRing gml:id="ringID220661">
<gml:posList>3451476.38 5429315.52 120.647 3451484.18 5429309.89 120.647 3451484.18 5429309.89 114.336 3451476.38 5429315.52 114.336 3451476.38 5429315.52 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d6af7336-75c2-4d02-a100-faa369c9f3db">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo78c70513-ba5f-4adf-8a8a-69517c170808" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220662">
<gml:exterior>
<gml:LinearRing gml:id="ringID220662">
<gml:posList>3451484.18 5429309.89 120.647 3451478.96 5429302.62 120.647 3451478.96 5429302.62 114.336 3451484.18 5429309.89 114.336 3451484.18 5429309.89 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-8776ee4c-30ea-47e6-aa85-cd34c598faea">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocbdb1604-9de6-4686-b2df-f23e7b5bf762" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220663">
<gml:exterior>
<gml:LinearRing gml:id="ringID220663">
<gml:posList>3451478.96 5429302.62 120.647 3451471.15 5429308.25 120.647 3451471.15 5429308.25 114.336 3451478.96 5429302.62 114.336 3451478.96 5429302.62 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-e8dd4663-1952-4151-8a20-1e08b6efcb1a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo50f901fa-c8bc-40f6-9897-83533a9d8871" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220664">
<gml:exterior>
<gml:LinearRing gml:id="ringID220664">
<gml:posList>3451484.18 5429309.89 120.647 3451476.38 5429315.52 120.647 3451480.28 5429312.705 122.891 3451484.18 5429309.89 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-ff9f974e-a9fb-47e8-b1df-85f1661aa662">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo143d3ea2-f48e-406a-8883-5309512ef80a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220665">
<gml:exterior>
<gml:LinearRing gml:id="ringID220665">
<gml:posList>3451471.15 5429308.25 120.647 3451478.96 5429302.62 120.647 3451475.055 5429305.435 122.891 3451471.15 5429308.25 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-defff3ce-54e0-43ef-9c50-9667099f7aed">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo34c91402-3688-4d06-bc55-3b918305f2c5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220666">
<gml:exterior>
<gml:LinearRing gml:id="ringID220666">
<gml:posList>3451476.38 5429315.52 120.647 3451471.15 5429308.25 120.647 3451475.055 5429305.435 122.891 3451480.28 5429312.705 122.891 3451476.38 5429315.52 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-44a61563-98a2-4968-817b-b6adad35f4ad">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodf363897-79e3-4f08-b98c-566ec75f9975" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220667">
<gml:exterior>
<gml:LinearRing gml:id="ringID220667">
<gml:posList>3451478.96 5429302.62 120.647 3451484.18 5429309.89 120.647 3451480.28 5429312.705 122.891 3451475.055 5429305.435 122.891 3451478.96 5429302.62 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-e1a416ab-a18b-4daf-97ae-750171919f9d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo3dacf09f-fe00-4fa7-9985-c2327e3ed1ce" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220668">
<gml:exterior>
<gml:LinearRing gml:id="ringID220668">
<gml:posList>3451471.15 5429308.25 114.336 3451476.38 5429315.52 114.336 3451484.18 5429309.89 114.336 3451478.96 5429302.62 114.336 3451471.15 5429308.25 114.336</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029563000001">
<gml:name>F082120000362029563000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.663</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.663</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-544253b3-df46-4430-bdc4-8980e27a9f3d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo47707fc2-5732-4e4d-b3eb-b85018d560f5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248222">
<gml:exterior>
<gml:LinearRing gml:id="ringID248222">
<gml:posList>3451450.68 5429325.6 116.663 3451447.16 5429320.78 116.663 3451447.16 5429320.78 114.241 3451450.68 5429325.6 114.241 3451450.68 5429325.6 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-31628960-4a13-48d2-b276-db0e5911fdb0">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo36dcc2f0-b558-40e2-b05e-33235daf9599" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248223">
<gml:exterior>
<gml:LinearRing gml:id="ringID248223">
<gml:posList>3451447.16 5429320.78 116.663 3451444.67 5429322.53 116.663 3451444.67 5429322.53 114.241 3451447.16 5429320.78 114.241 3451447.16 5429320.78 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d0c2abbf-0934-41e6-8e05-e17734785ddb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo42982d8c-abb7-43b0-a8f2-dd915d2bddce" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248224">
<gml:exterior>
<gml:LinearRing gml:id="ringID248224">
<gml:posList>3451444.67 5429322.53 116.663 3451448.25 5429327.33 116.663 3451448.25 5429327.33 114.241 3451444.67 5429322.53 114.241 3451444.67 5429322.53 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-8eef7c6f-fbac-417a-a27b-8ddfdb482847">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo311a46a1-c05a-4d79-b859-8a4e2e98095a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248225">
<gml:exterior>
<gml:LinearRing gml:id="ringID248225">
<gml:posList>3451448.25 5429327.33 116.663 3451450.68 5429325.6 116.663 3451450.68 5429325.6 114.241 3451448.25 5429327.33 114.241 3451448.25 5429327.33 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-07bf97fe-7216-4c8f-8afd-559438250e26">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2cae3942-4146-44a8-888d-13e88429888d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248226">
<gml:exterior>
<gml:LinearRing gml:id="ringID248226">
<gml:posList>3451448.25 5429327.33 116.663 3451444.67 5429322.53 116.663 3451447.16 5429320.78 116.663 3451450.68 5429325.6 116.663 3451448.25 5429327.33 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-4838df4c-e9f2-4083-809d-f4e71b9c9a5d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo37c9902c-2f99-460b-ae61-287d8e703d42" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo248227">
<gml:exterior>
<gml:LinearRing gml:id="ringID248227">
<gml:posList>3451450.68 5429325.6 114.241 3451447.16 5429320.78 114.241 3451444.67 5429322.53 114.241 3451448.25 5429327.33 114.241 3451450.68 5429325.6 114.241</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550009_______">
<gml:name>A08212000041550009_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.524</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.634</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-8dcb6b30-9032-4787-a7d6-d57311a22f4a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo17174a18-0e1e-4c9d-923a-f5cd1a4dab49" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244427">
<gml:exterior>
<gml:LinearRing gml:id="ringID244427">
<gml:posList>3451435.73 5429207.97 120.524 3451445.69 5429197.98 120.524 3451445.69 5429197.98 114.176 3451435.73 5429207.97 114.176 3451435.73 5429207.97 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0066d80f-9526-4640-b9d9-6ba456175c49">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo57ec7927-6fa5-4270-98fc-9f5d2645a859" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244428">
<gml:exterior>
<gml:LinearRing gml:id="ringID244428">
<gml:posList>3451445.69 5429197.98 120.524 3451439.44 5429191.75 120.524 3451439.44 5429191.75 114.176 3451445.69 5429197.98 114.176 3451445.69 5429197.98 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9acb1a71-4507-48e5-be11-acbf0d2a5896">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa908c3a1-5aae-4701-9813-c9bc7c72063c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244429">
<gml:exterior>
<gml:LinearRing gml:id="ringID244429">
<gml:posList>3451439.44 5429191.75 120.524 3451429.47 5429201.76 120.524 3451429.47 5429201.76 114.176 3451439.44 5429191.75 114.176 3451439.44 5429191.75 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-2a09ded7-651b-464d-8c3b-a97d2896203e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeobf4c6cab-4ba2-4df4-a027-7d38e0d3266e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244430">
<gml:exterior>
<gml:LinearRing gml:id="ringID244430">
<gml:posList>3451429.47 5429201.76 120.524 3451435.73 5429207.97 120.524 3451435.73 5429207.97 114.176 3451429.47 5429201.76 114.176 3451429.47 5429201.76 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-30a6d214-07d6-4781-b3d5-c33acef6c644">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof87d1da9-db80-47fe-8661-29b7701ca0ad" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244431">
<gml:exterior>
<gml:LinearRing gml:id="ringID244431">
<gml:posList>3451439.44 5429191.75 120.524 3451445.69 5429197.98 120.524 3451442.565 5429194.865 124.634 3451439.44 5429191.75 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4751f490-de9e-4e9f-8f1d-4e861eddb09a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoaff5a05f-3ca6-4ec4-b8c4-61cdea13cf1b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244432">
<gml:exterior>
<gml:LinearRing gml:id="ringID244432">
<gml:posList>3451435.73 5429207.97 120.524 3451429.47 5429201.76 120.524 3451432.6 5429204.865 124.634 3451435.73 5429207.97 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-5d42e50e-c209-4fb6-9812-bc12d617ab85">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo1ab465d1-565b-4da2-b1cf-ebbb9c335a86" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244433">
<gml:exterior>
<gml:LinearRing gml:id="ringID244433">
<gml:posList>3451445.69 5429197.98 120.524 3451435.73 5429207.97 120.524 3451432.6 5429204.865 124.634 3451442.565 5429194.865 124.634 3451445.69 5429197.98 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-cd133a8f-17a1-4cc5-9d6f-f2eef2ac79c1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo351af1b9-c29f-4273-89b3-d4a489bc923b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244434">
<gml:exterior>
<gml:LinearRing gml:id="ringID244434">
<gml:posList>3451429.47 5429201.76 120.524 3451439.44 5429191.75 120.524 3451442.565 5429194.865 124.634 3451432.6 5429204.865 124.634 3451429.47 5429201.76 120.524</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-96583e1e-70ad-45dc-8920-3faaa7a460bf">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo61f7aa93-8941-420b-8826-881b38c5a4aa" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244435">
<gml:exterior>
<gml:LinearRing gml:id="ringID244435">
<gml:posList>3451435.73 5429207.97 114.176 3451445.69 5429197.98 114.176 3451439.44 5429191.75 114.176 3451429.47 5429201.76 114.176 3451435.73 5429207.97 114.176</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029581000001">
<gml:name>F082120000362029581000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.773</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-d40f8b3f-c1a9-46af-ab17-4afa4d84e40a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo166bed67-1fa4-4c6f-8f90-d0f2bd570f2f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220406">
<gml:exterior>
<gml:LinearRing gml:id="ringID220406">
<gml:posList>3451470.04 5429301.64 116.773 3451473.57 5429306.5 116.773 3451473.57 5429306.5 114.233 3451470.04 5429301.64 114.233 3451470.04 5429301.64 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-57ca4e33-87e0-4924-a513-37ec33f5094e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa4df0634-dfb6-4a31-a0fe-3105a5aa46c3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220407">
<gml:exterior>
<gml:LinearRing gml:id="ringID220407">
<gml:posList>3451473.57 5429306.5 116.773 3451476.04 5429304.72 116.773 3451476.04 5429304.72 114.233 3451473.57 5429306.5 114.233 3451473.57 5429306.5 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0ebf7847-d22a-4b8c-8b49-3896a5ac12d5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodce9900b-d8c1-4647-a6de-48067267e9cf" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220408">
<gml:exterior>
<gml:LinearRing gml:id="ringID220408">
<gml:posList>3451476.04 5429304.72 116.773 3451472.51 5429299.86 116.773 3451472.51 5429299.86 114.233 3451476.04 5429304.72 114.233 3451476.04 5429304.72 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-8e1931f3-557a-4856-b366-78d7c4253833">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo005ae48a-2cc4-4787-8266-2cae504a31d7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220409">
<gml:exterior>
<gml:LinearRing gml:id="ringID220409">
<gml:posList>3451472.51 5429299.86 116.773 3451470.04 5429301.64 116.773 3451470.04 5429301.64 114.233 3451472.51 5429299.86 114.233 3451472.51 5429299.86 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-1476dc77-c470-4ea6-a467-a378b59999d5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa5a513a0-0628-4eba-b072-69307390df4a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220410">
<gml:exterior>
<gml:LinearRing gml:id="ringID220410">
<gml:posList>3451472.51 5429299.86 116.773 3451476.04 5429304.72 116.773 3451473.57 5429306.5 116.773 3451470.04 5429301.64 116.773 3451472.51 5429299.86 116.773</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-cc468677-4657-4376-be7f-7bb4c0467d2b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo70a23684-06cc-45c1-912d-5a14cf91fcd2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo220411">
<gml:exterior>
<gml:LinearRing gml:id="ringID220411">
<gml:posList>3451470.04 5429301.64 114.233 3451473.57 5429306.5 114.233 3451476.04 5429304.72 114.233 3451472.51 5429299.86 114.233 3451470.04 5429301.64 114.233</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029550000001">
<gml:name>F082120000362029550000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.723</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.723</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-dfddc75d-40b0-4f1c-8c7a-7390c151af9a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7e087931-4233-4d38-a49a-bfc93aceff53" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241993">
<gml:exterior>
<gml:LinearRing gml:id="ringID241993">
<gml:posList>3451431.47 5429334.23 116.723 3451434.95 5429339.14 116.723 3451434.95 5429339.14 114.278 3451431.47 5429334.23 114.278 3451431.47 5429334.23 116.723</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f2627967-c42d-43af-be5d-8a871c8fb2c7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo92d31d79-2bc0-42fe-9b8a-04472ee4eb73" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241994">
<gml:exterior>
<gml:LinearRing gml:id="ringID241994">
<gml:posList>3451434.95 5429339.14 116.723 3451437.38 5429337.36 116.723 3451437.38 5429337.36 114.278 3451434.95 5429339.14 114.278 3451434.95 5429339.14 116.723</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-e6534923-3eea-4cc1-a78a-326bb33553be">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7b36b020-e041-438f-9da3-7cfeb20e6969" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241995">
<gml:exterior>
<gml:LinearRing gml:id="ringID241995">
<gml:posList>3451437.38 5429337.36 116.723 3451433.9 5429332.51 116.723 3451433.9 5429332.51 114.278 3451437.38 5429337.36 114.278 3451437.38 5429337.36 116.723</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5b7c93f2-8aa3-46a9-ac14-8fe184141cd7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob491aba9-c014-4108-abd5-b6b5b790dc48" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241996">
<gml:exterior>
<gml:LinearRing gml:id="ringID241996">
<gml:posList>3451433.9 5429332.51 116.723 3451431.47 5429334.23 116.723 3451431.47 5429334.23 114.278 3451433.9 5429332.51 114.278 3451433.9 5429332.51 116.723</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-682542bb-bc35-4eb3-a0c3-fd3a26bde446">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo786a9716-8a52-42f0-b44c-903f6c64c09c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241997">
<gml:exterior>
<gml:LinearRing gml:id="ringID241997">
<gml:posList>3451433.9 5429332.51 116.723 3451437.38 5429337.36 116.723 3451434.95 5429339.14 116.723 3451431.47 5429334.23 116.723 3451433.9 5429332.51 116.723</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-efdb16aa-686c-49ad-b735-1ebc10c771ff">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7085472e-a35f-47e5-8d4d-b3020d30071a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo241998">
<gml:exterior>
<gml:LinearRing gml:id="ringID241998">
<gml:posList>3451431.47 5429334.23 114.278 3451434.95 5429339.14 114.278 3451437.38 5429337.36 114.278 3451433.9 5429332.51 114.278 3451431.47 5429334.23 114.278</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000044100005_______">
<gml:name>A08212000044100005_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.653</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.904</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-173c7f5d-3eba-4612-8cca-1a45160d66c5">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9f0a9ee8-ce08-40da-8e76-6bdbcf191d5a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242973">
<gml:exterior>
<gml:LinearRing gml:id="ringID242973">
<gml:posList>3451292.51 5429245.88 121.653 3451315.01 5429247.12 121.653 3451315.01 5429247.12 114.445 3451292.51 5429245.88 114.445 3451292.51 5429245.88 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-9f009251-24ec-449b-8caf-ab42bd7f604b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7e91b066-8192-4ed0-a84d-e48d249effdc" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242974">
<gml:exterior>
<gml:LinearRing gml:id="ringID242974">
<gml:posList>3451315.01 5429247.12 121.653 3451315.51 5429237.01 121.653 3451315.51 5429237.01 114.445 3451315.01 5429247.12 114.445 3451315.01 5429247.12 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f3d5507f-9ce7-4ef1-aad5-0fcd33706508">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo92fcb494-ef66-4ce7-b243-ff77bb383e6a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242975">
<gml:exterior>
<gml:LinearRing gml:id="ringID242975">
<gml:posList>3451315.51 5429237.01 121.653 3451293.01 5429235.76 121.653 3451293.01 5429235.76 114.445 3451315.51 5429237.01 114.445 3451315.51 5429237.01 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-c676dbe2-1882-4067-8a6a-5d3dbaad725d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo20684e2a-94ac-462b-ab27-402037882451" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242976">
<gml:exterior>
<gml:LinearRing gml:id="ringID242976">
<gml:posList>3451293.01 5429235.76 121.653 3451292.51 5429245.88 121.653 3451292.51 5429245.88 114.445 3451293.01 5429235.76 114.445 3451293.01 5429235.76 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-bba7748b-ed79-4229-8e7f-7c69e053dc3a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoeb5a1575-2140-4bd5-8f70-025439aa6be5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242977">
<gml:exterior>
<gml:LinearRing gml:id="ringID242977">
<gml:posList>3451315.51 5429237.01 121.653 3451315.01 5429247.12 121.653 3451315.26 5429242.065 124.904 3451315.51 5429237.01 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-a10f7a8b-5669-4774-a036-e91228d84bd0">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoa9549639-f12c-47de-b2a1-86b30be75e4a" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242978">
<gml:exterior>
<gml:LinearRing gml:id="ringID242978">
<gml:posList>3451292.51 5429245.88 121.653 3451293.01 5429235.76 121.653 3451292.76 5429240.82 124.904 3451292.51 5429245.88 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-292fa4ed-018e-4097-b7bd-a99faca1df91">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo12246a2c-3176-4a69-b46b-4b160ff016ef" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242979">
<gml:exterior>
<gml:LinearRing gml:id="ringID242979">
<gml:posList>3451315.01 5429247.12 121.653 3451292.51 5429245.88 121.653 3451292.76 5429240.82 124.904 3451315.26 5429242.065 124.904 3451315.01 5429247.12 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-97c64479-5327-4821-b164-cd991d11bc08">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo26c0c62f-48a8-453d-8cfb-bf78789ee675" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242980">
<gml:exterior>
<gml:LinearRing gml:id="ringID242980">
<gml:posList>3451293.01 5429235.76 121.653 3451315.51 5429237.01 121.653 3451315.26 5429242.065 124.904 3451292.76 5429240.82 124.904 3451293.01 5429235.76 121.653</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-c7fc5920-f913-4007-b1e2-2c94ae862706">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeob345a401-be6f-4d49-a37a-5467829dfe34" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo242981">
<gml:exterior>
<gml:LinearRing gml:id="ringID242981">
<gml:posList>3451292.51 5429245.88 114.445 3451315.01 5429247.12 114.445 3451315.51 5429237.01 114.445 3451293.01 5429235.76 114.445 3451292.51 5429245.88 114.445</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029565000001">
<gml:name>F082120000362029565000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.663</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.663</gen:value>
</gen:stringAttribute>
<bldg:roofType>1000</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0340829d-0a93-4d36-a147-5163fbcbbdd7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoad59f82c-11cd-4ee7-8990-8c34e94b5de3" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249751">
<gml:exterior>
<gml:LinearRing gml:id="ringID249751">
<gml:posList>3451449.61 5429319.01 116.663 3451453.11 5429323.85 116.663 3451453.11 5429323.85 114.253 3451449.61 5429319.01 114.253 3451449.61 5429319.01 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-3812c1be-0f80-40df-b2ff-4dc9ad6d16d3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo82cb0e91-184a-48d4-9907-5f3eb4c83c59" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249752">
<gml:exterior>
<gml:LinearRing gml:id="ringID249752">
<gml:posList>3451453.11 5429323.85 116.663 3451455.54 5429322.09 116.663 3451455.54 5429322.09 114.253 3451453.11 5429323.85 114.253 3451453.11 5429323.85 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-b6d99153-cbcd-4b8d-9d07-25112e4f2d48">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo57ae160f-73a1-4c1e-a99c-c9ec662b3bfb" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249753">
<gml:exterior>
<gml:LinearRing gml:id="ringID249753">
<gml:posList>3451455.54 5429322.09 116.663 3451452.01 5429317.28 116.663 3451452.01 5429317.28 114.253 3451455.54 5429322.09 114.253 3451455.54 5429322.09 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6a8f6773-790d-4c94-a271-e9230c8fd0c1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof14ee094-44b8-48d4-b99f-b6ceb1a2bdc5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249754">
<gml:exterior>
<gml:LinearRing gml:id="ringID249754">
<gml:posList>3451452.01 5429317.28 116.663 3451449.61 5429319.01 116.663 3451449.61 5429319.01 114.253 3451452.01 5429317.28 114.253 3451452.01 5429317.28 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-2e568626-4787-422a-9b57-63c49c479fe1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo40ad455f-336d-4518-99f2-1f8bd7324409" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249755">
<gml:exterior>
<gml:LinearRing gml:id="ringID249755">
<gml:posList>3451452.01 5429317.28 116.663 3451455.54 5429322.09 116.663 3451453.11 5429323.85 116.663 3451449.61 5429319.01 116.663 3451452.01 5429317.28 116.663</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-97eb1d32-9fe4-4721-8c39-a2b19fdfe0df">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7a07adf3-cf64-4aca-88d8-b0f9751224d9" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo249756">
<gml:exterior>
<gml:LinearRing gml:id="ringID249756">
<gml:posList>3451449.61 5429319.01 114.253 3451453.11 5429323.85 114.253 3451455.54 5429322.09 114.253 3451452.01 5429317.28 114.253 3451449.61 5429319.01 114.253</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="F082120000362029527000001">
<gml:name>F082120000362029527000001</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>116.39</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>116.39</gen:value>
</gen:stringAttribute>
<bldg:roofType>1010</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-622ce0b9-cfb0-4529-92d3-9e1907db39d9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo76d52f7f-f9dc-4220-9f13-ad94adcb51a2" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232030">
<gml:exterior>
<gml:LinearRing gml:id="ringID232030">
<gml:posList>3451391.33 5429367.72 116.39 3451394.88 5429372.59 116.39 3451394.88 5429372.59 114.116 3451391.33 5429367.72 114.116 3451391.33 5429367.72 116.39</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-3811c288-1144-4952-add5-4defcc546698">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo408bdb8a-b4d9-4827-9bce-7a64dd21448c" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232031">
<gml:exterior>
<gml:LinearRing gml:id="ringID232031">
<gml:posList>3451394.88 5429372.59 116.39 3451397.37 5429370.79 116.39 3451397.37 5429370.79 114.116 3451394.88 5429372.59 114.116 3451394.88 5429372.59 116.39</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f43e2d8d-ef1d-40ac-923c-e9be664a67c7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeofb3e0362-cbcb-4375-8d34-6b9e6ba7bbae" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232032">
<gml:exterior>
<gml:LinearRing gml:id="ringID232032">
<gml:posList>3451397.37 5429370.79 116.39 3451393.92 5429365.92 116.39 3451393.92 5429365.92 114.116 3451397.37 5429370.79 114.116 3451397.37 5429370.79 116.39</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0350ebc2-f649-480e-9c02-ba55eba04f26">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodbab3e6a-c651-4700-a3f6-1f252bf174ba" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232033">
<gml:exterior>
<gml:LinearRing gml:id="ringID232033">
<gml:posList>3451393.92 5429365.92 116.39 3451391.33 5429367.72 116.39 3451391.33 5429367.72 114.116 3451393.92 5429365.92 114.116 3451393.92 5429365.92 116.39</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-edafa16a-6c35-4f92-bd55-420fdc5b8245">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9ac08fa9-3eb7-4d9f-bdb1-f485eb287bcd" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232034">
<gml:exterior>
<gml:LinearRing gml:id="ringID232034">
<gml:posList>3451393.92 5429365.92 116.39 3451397.37 5429370.79 116.39 3451394.88 5429372.59 116.39 3451391.33 5429367.72 116.39 3451393.92 5429365.92 116.39</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-b28351c2-e561-49e8-9f02-700fc7b120fb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7dd46f29-ec2a-4903-8c76-044f6b8dde4e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo232035">
<gml:exterior>
<gml:LinearRing gml:id="ringID232035">
<gml:posList>3451391.33 5429367.72 114.116 3451394.88 5429372.59 114.116 3451397.37 5429370.79 114.116 3451393.92 5429365.92 114.116 3451391.33 5429367.72 114.116</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550017_______">
<gml:name>A08212000041550017_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.543</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>124.69</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-f0f2c44c-0416-4a22-b46c-f532f73adaff">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo93f83023-25fe-45e7-8e2b-95362bf3a903" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231192">
<gml:exterior>
<gml:LinearRing gml:id="ringID231192">
<gml:posList>3451384.48 5429259.39 120.543 3451393.5 5429250.32 120.543 3451393.5 5429250.32 114.18 3451384.48 5429259.39 114.18 3451384.48 5429259.39 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-12732254-679a-4435-bdc3-86cfa8dfe24a">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo22d74ec2-c506-4837-a63c-5e87df6cc831" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231193">
<gml:exterior>
<gml:LinearRing gml:id="ringID231193">
<gml:posList>3451393.5 5429250.32 120.543 3451387.29 5429244.06 120.543 3451387.29 5429244.06 114.18 3451393.5 5429250.32 114.18 3451393.5 5429250.32 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5042db4d-d0ad-406d-a82f-deb5831ea5e6">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9ff000c4-1370-4c75-b8d5-d1eaf579395f" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231194">
<gml:exterior>
<gml:LinearRing gml:id="ringID231194">
<gml:posList>3451387.29 5429244.06 120.543 3451378.27 5429253.15 120.543 3451378.27 5429253.15 114.18 3451387.29 5429244.06 114.18 3451387.29 5429244.06 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-fe63cddc-aaf8-472b-90be-e8352ecd8804">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9d2db2e1-2c4a-4e84-afe4-8d7f84c4c1d5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231195">
<gml:exterior>
<gml:LinearRing gml:id="ringID231195">
<gml:posList>3451378.27 5429253.15 120.543 3451384.48 5429259.39 120.543 3451384.48 5429259.39 114.18 3451378.27 5429253.15 114.18 3451378.27 5429253.15 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6bc995c6-5707-4164-b085-9a2eae7bca96">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo5cdca57c-6965-415e-aa9a-d208065e9d3e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231196">
<gml:exterior>
<gml:LinearRing gml:id="ringID231196">
<gml:posList>3451387.29 5429244.06 120.543 3451393.5 5429250.32 120.543 3451390.395 5429247.19 124.69 3451387.29 5429244.06 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-4ef6014d-9a36-409d-8dc9-4e7afe618985">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocdf3f538-6b9d-4551-8950-b2dc524089d6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231197">
<gml:exterior>
<gml:LinearRing gml:id="ringID231197">
<gml:posList>3451384.48 5429259.39 120.543 3451378.27 5429253.15 120.543 3451381.375 5429256.27 124.69 3451384.48 5429259.39 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-7e4f197f-a705-40d6-bf55-103721880d23">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0ec01b4a-82ca-468a-a4ae-da764f841724" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231198">
<gml:exterior>
<gml:LinearRing gml:id="ringID231198">
<gml:posList>3451393.5 5429250.32 120.543 3451384.48 5429259.39 120.543 3451381.375 5429256.27 124.69 3451390.395 5429247.19 124.69 3451393.5 5429250.32 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-05491228-d91f-4697-aec6-46c4d91fcedb">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo69725026-565d-4042-aa6d-74dc916828da" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231199">
<gml:exterior>
<gml:LinearRing gml:id="ringID231199">
<gml:posList>3451378.27 5429253.15 120.543 3451387.29 5429244.06 120.543 3451390.395 5429247.19 124.69 3451381.375 5429256.27 124.69 3451378.27 5429253.15 120.543</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-5bd4ab77-ab8d-4eb8-88bc-6f542e0788ee">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo868aece7-01d4-4fed-add3-48a8ba561d1e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo231200">
<gml:exterior>
<gml:LinearRing gml:id="ringID231200">
<gml:posList>3451384.48 5429259.39 114.18 3451393.5 5429250.32 114.18 3451387.29 5429244.06 114.18 3451378.27 5429253.15 114.18 3451384.48 5429259.39 114.18</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000048050076_______">
<gml:name>A08212000048050076_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>120.647</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>122.891</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-af5c7a45-6013-4c20-96dc-67bc7752585c">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoe0acebfd-4a1e-45e3-8cb1-64723322676d" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222856">
<gml:exterior>
<gml:LinearRing gml:id="ringID222856">
<gml:posList>3451487.84 5429331.41 120.647 3451491.69 5429336.8 120.647 3451491.69 5429336.8 114.767 3451487.84 5429331.41 114.767 3451487.84 5429331.41 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-dc5b0a50-635e-445a-940d-b367b47d9cb3">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoc1bdee96-25cc-46d7-afb7-11e5ad989e6b" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222857">
<gml:exterior>
<gml:LinearRing gml:id="ringID222857">
<gml:posList>3451491.69 5429336.8 120.647 3451499.51 5429331.21 120.647 3451499.51 5429331.21 114.767 3451491.69 5429336.8 114.767 3451491.69 5429336.8 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0d39e35f-b45e-446b-bf4e-fb65e574de2d">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo113d9cbc-1acf-46cd-af65-eefeb5395c85" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222858">
<gml:exterior>
<gml:LinearRing gml:id="ringID222858">
<gml:posList>3451499.51 5429331.21 120.647 3451495.66 5429325.79 120.647 3451495.66 5429325.79 114.767 3451499.51 5429331.21 114.767 3451499.51 5429331.21 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-bb55481f-9414-4793-9a75-d1d6ff18f038">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo55b53060-c442-4e49-b9ca-3129e203a3d7" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222859">
<gml:exterior>
<gml:LinearRing gml:id="ringID222859">
<gml:posList>3451495.66 5429325.79 120.647 3451487.84 5429331.41 120.647 3451487.84 5429331.41 114.767 3451495.66 5429325.79 114.767 3451495.66 5429325.79 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-0dadb145-1638-4bdd-b431-2cfa6d7953b1">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo4a875aab-9637-43c4-839b-dfd67b319008" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222860">
<gml:exterior>
<gml:LinearRing gml:id="ringID222860">
<gml:posList>3451499.51 5429331.21 120.647 3451491.69 5429336.8 120.647 3451495.6 5429334.005 122.891 3451499.51 5429331.21 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-62d16b70-5f1e-4482-acd1-2955eec26b5b">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo47330541-3b71-4e42-9cdc-f8ff9e8ae7bf" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222861">
<gml:exterior>
<gml:LinearRing gml:id="ringID222861">
<gml:posList>3451487.84 5429331.41 120.647 3451495.66 5429325.79 120.647 3451491.75 5429328.6 122.891 3451487.84 5429331.41 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-6c14da6f-e615-4ebf-b79f-f24755b6b8b9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoadf78603-c8dc-480f-97ed-d64cc87ce9f6" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222862">
<gml:exterior>
<gml:LinearRing gml:id="ringID222862">
<gml:posList>3451491.69 5429336.8 120.647 3451487.84 5429331.41 120.647 3451491.75 5429328.6 122.891 3451495.6 5429334.005 122.891 3451491.69 5429336.8 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-71d3a569-8cb0-4149-8618-f05647b9e159">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo3e658400-d159-4e28-8315-570da8547723" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222863">
<gml:exterior>
<gml:LinearRing gml:id="ringID222863">
<gml:posList>3451495.66 5429325.79 120.647 3451499.51 5429331.21 120.647 3451495.6 5429334.005 122.891 3451491.75 5429328.6 122.891 3451495.66 5429325.79 120.647</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-965d009f-84ae-4bbe-920a-86093f758e32">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo17d7e308-228d-4d1f-9c42-bec676be2be5" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo222864">
<gml:exterior>
<gml:LinearRing gml:id="ringID222864">
<gml:posList>3451487.84 5429331.41 114.767 3451491.69 5429336.8 114.767 3451499.51 5429331.21 114.767 3451495.66 5429325.79 114.767 3451487.84 5429331.41 114.767</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000041550012_______">
<gml:name>A08212000041550012_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>121.555</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>126.763</gen:value>
</gen:stringAttribute>
<bldg:roofType>1030</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-5087811b-fb32-4b1e-b8bb-3dec3c342075">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo6e252ef7-be82-4361-a044-34d7bc575b89" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244475">
<gml:exterior>
<gml:LinearRing gml:id="ringID244475">
<gml:posList>3451440.96 5429230.61 121.555 3451429.3 5429242.25 121.555 3451429.3 5429242.25 114.268 3451440.96 5429230.61 114.268 3451440.96 5429230.61 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-7c87636c-dbd9-4b8d-b006-b84da5aec2b8">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo2d770ef8-e170-481d-b8da-459afd579355" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244476">
<gml:exterior>
<gml:LinearRing gml:id="ringID244476">
<gml:posList>3451429.3 5429242.25 121.555 3451436.74 5429249.69 121.555 3451436.74 5429249.69 114.268 3451429.3 5429242.25 114.268 3451429.3 5429242.25 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-07c5588c-bf22-4d14-b80f-2e7b69363730">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo6f085d93-d748-4e43-acfb-fb6da01817f9" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244477">
<gml:exterior>
<gml:LinearRing gml:id="ringID244477">
<gml:posList>3451436.74 5429249.69 121.555 3451448.41 5429238.03 121.555 3451448.41 5429238.03 114.268 3451436.74 5429249.69 114.268 3451436.74 5429249.69 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-aafaffb2-d7f4-4b60-956a-90e66b2b0721">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeocd305d11-f5fa-4413-a031-7f0c2b1be03e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244478">
<gml:exterior>
<gml:LinearRing gml:id="ringID244478">
<gml:posList>3451448.41 5429238.03 121.555 3451440.96 5429230.61 121.555 3451440.96 5429230.61 114.268 3451448.41 5429238.03 114.268 3451448.41 5429238.03 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-cb48587a-5335-4a7e-a129-5b6a6ca2b1aa">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeof6ddff93-006a-4cac-9ec6-973e09dacc38" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244479">
<gml:exterior>
<gml:LinearRing gml:id="ringID244479">
<gml:posList>3451436.74 5429249.69 121.555 3451429.3 5429242.25 121.555 3451433.02 5429245.97 126.763 3451436.74 5429249.69 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-3bce761c-1465-45b9-9f8c-706df1294ce7">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo7b10dc54-6e32-405f-a873-b9f598e27313" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244480">
<gml:exterior>
<gml:LinearRing gml:id="ringID244480">
<gml:posList>3451440.96 5429230.61 121.555 3451448.41 5429238.03 121.555 3451444.685 5429234.32 126.763 3451440.96 5429230.61 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-c162af69-a217-4232-b4d1-a006f1571b51">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo28796170-f04e-467a-b9fe-ed0692925964" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244481">
<gml:exterior>
<gml:LinearRing gml:id="ringID244481">
<gml:posList>3451429.3 5429242.25 121.555 3451440.96 5429230.61 121.555 3451444.685 5429234.32 126.763 3451433.02 5429245.97 126.763 3451429.3 5429242.25 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-b3f9a148-5081-4327-a941-a9a7ebb5ff83">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo87093ecf-8787-4bc6-aeb3-76fdd47a9b21" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244482">
<gml:exterior>
<gml:LinearRing gml:id="ringID244482">
<gml:posList>3451448.41 5429238.03 121.555 3451436.74 5429249.69 121.555 3451433.02 5429245.97 126.763 3451444.685 5429234.32 126.763 3451448.41 5429238.03 121.555</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-0a95ad71-9bb1-466c-8cf8-64e9ef5562ae">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeodbaa5cfb-afce-40ca-ac2e-72f9af176662" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo244483">
<gml:exterior>
<gml:LinearRing gml:id="ringID244483">
<gml:posList>3451440.96 5429230.61 114.268 3451429.3 5429242.25 114.268 3451436.74 5429249.69 114.268 3451448.41 5429238.03 114.268 3451440.96 5429230.61 114.268</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
<cityObjectMember>
<bldg:Building gml:id="A08212000000250029_______">
<gml:name>A08212000000250029_______</gml:name>
<gen:stringAttribute name="citygml_roof_type_codeSpace">
<gen:value>http://www.sig3d.org/codelists/standard/building/2.0/_AbstractBuilding_roofType.xml</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="EavesHeight">
<gen:value>127.064</gen:value>
</gen:stringAttribute>
<gen:stringAttribute name="RigdeHeight">
<gen:value>127.064</gen:value>
</gen:stringAttribute>
<bldg:roofType>1010</bldg:roofType>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-af7d8e03-d64d-4f89-ad4e-48dec7be1307">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo9c7d435a-5e4f-420b-bbbd-bb4e9bb43d13" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236397">
<gml:exterior>
<gml:LinearRing gml:id="ringID236397">
<gml:posList>3451406.92 5429427.12 127.064 3451397.08 5429434.15 127.064 3451397.08 5429434.15 114.659 3451406.92 5429427.12 114.659 3451406.92 5429427.12 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-6882da39-86e2-49e1-a07c-e935de56cbec">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo693e51e1-bbb7-4525-a05a-6193545fa97e" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236398">
<gml:exterior>
<gml:LinearRing gml:id="ringID236398">
<gml:posList>3451397.08 5429434.15 127.064 3451406.82 5429447.76 127.064 3451406.82 5429447.76 114.659 3451397.08 5429434.15 114.659 3451397.08 5429434.15 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-a8996db4-736a-4190-a895-bbd04bfc7e73">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo0078c516-ffdd-4daf-bc91-ed16873f7f33" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236399">
<gml:exterior>
<gml:LinearRing gml:id="ringID236399">
<gml:posList>3451406.82 5429447.76 127.064 3451416.65 5429440.73 127.064 3451416.65 5429440.73 114.659 3451406.82 5429447.76 114.659 3451406.82 5429447.76 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:WallSurface gml:id="fme-gen-39235bab-6d3f-4060-8631-2f44894c5ea9">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo33cdc005-9626-4c74-8ba3-8be8fda1d514" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236400">
<gml:exterior>
<gml:LinearRing gml:id="ringID236400">
<gml:posList>3451416.65 5429440.73 127.064 3451406.92 5429427.12 127.064 3451406.92 5429427.12 114.659 3451416.65 5429440.73 114.659 3451416.65 5429440.73 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:WallSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:RoofSurface gml:id="fme-gen-4268482d-9cfa-4f82-b44d-cdcfd51f4f09">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeoae3b2395-c729-4afe-af10-2c3f19b44bf9" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236401">
<gml:exterior>
<gml:LinearRing gml:id="ringID236401">
<gml:posList>3451416.65 5429440.73 127.064 3451406.82 5429447.76 127.064 3451397.08 5429434.15 127.064 3451406.92 5429427.12 127.064 3451416.65 5429440.73 127.064</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:RoofSurface>
</bldg:boundedBy>
<bldg:boundedBy>
<bldg:GroundSurface gml:id="fme-gen-ce9e16aa-a683-47fa-b8fb-18a458b67d3e">
<bldg:lod2MultiSurface>
<gml:MultiSurface gml:id="IDGeo77c2a3a7-6395-4cb8-9410-d2782e349614" srsDimension="3">
<gml:surfaceMember>
<gml:Polygon gml:id="PolyIDGeo236402">
<gml:exterior>
<gml:LinearRing gml:id="ringID236402">
<gml:posList>3451406.92 5429427.12 114.659 3451397.08 5429434.15 114.659 3451406.82 5429447.76 114.659 3451416.65 5429440.73 114.659 3451406.92 5429427.12 114.659</gml:posList>
</gml:LinearRing>
</gml:exterior>
</gml:Polygon>
</gml:surfaceMember>
</gml:MultiSurface>
</bldg:lod2MultiSurface>
</bldg:GroundSurface>
</bldg:boundedBy>
</bldg:Building>
</cityObjectMember>
</CityModel>
