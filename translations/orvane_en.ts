<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutClass</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>Update Scene</translation>
    </message>
    <message>
        <source>v3.0.0.1build</source>
        <translation>v3.0.0.1 build </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>BaseDialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>null content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BaseTitle</name>
    <message>
        <source>BaseTitle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>Set disk size : </translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>Recording time :</translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>Set save time :</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>Recording time per day :</translation>
    </message>
    <message>
        <source>Calculate Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>DataDisplayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video can be saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt; days&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt; weeks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt; months&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>DeviceAddPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>Channel Count :</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>Recommended Rate :</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>Bitrate Type :  </translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>Variable Rate</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>DeviceItemWidget</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation>Channels :</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>Encoding :</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>Scene Name :</translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation>Channels : %1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>Fixed Rate : %1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>Encoding : %1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrvaneMainPage</name>
    <message>
        <source>OrvaneMainPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the Orvane software?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Orvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Picture not available&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>Picture not available</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>SizeDisplayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>Required disk capacity :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sure</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tip text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Import Template</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>Tip: a restart is needed</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>Export succeeded.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>Export failed.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>Import succeeded. Restart the software to use the new scenes.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>Import failed.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;No devices. &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please add a device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvane is already running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>The display is smaller than 1024 × 768. Start the program anyway?</translation>
    </message>
</context>
<context>
    <name>virad::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
