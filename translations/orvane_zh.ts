<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutClass</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>PushButton</source>
        <translation>PushButton</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>用户帮助</translation>
    </message>
    <message>
        <source>Update Scence</source>
        <translation>更新场景</translation>
    </message>
    <message>
        <source>v3.0.0.1build</source>
        <translation>v3.0.0.1 </translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>未找到用户手册。</translation>
    </message>
</context>
<context>
    <name>BaseDialog</name>
    <message>
        <source>BaseDialog</source>
        <translation>BaseDialog</translation>
    </message>
    <message>
        <source>null content</source>
        <translation>null content</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>BaseTitle</name>
    <message>
        <source>BaseTitle</source>
        <translation>BaseTitle</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>CapacityCalculation</source>
        <translation>CapacityCalculation</translation>
    </message>
    <message>
        <source>Capacity Calculation :</source>
        <translation>容量计算：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>DataCalculatorPage</source>
        <translation>DataCalculatorPage</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>设置磁盘容量：</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>录像时间：</translation>
    </message>
    <message>
        <source>h</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>设置保存时间：</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>天</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>周</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>月</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>每天录像时间：</translation>
    </message>
    <message>
        <source>Calculate Time</source>
        <translation>计算时间</translation>
    </message>
    <message>
        <source>Calculate Size</source>
        <translation>计算容量</translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>DataDisplayPage</source>
        <translation>DataDisplayPage</translation>
    </message>
    <message>
        <source>Video can be saved:</source>
        <translation>录像可保存：</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>按天</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:60pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;天&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>天</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>按周</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;周&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>周</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>按月</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:36pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:14pt; color:#467dd3;&quot;&gt;个月&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>个月</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>DeviceAddPage</source>
        <translation>DeviceAddPage</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>确定清空所有通道吗？</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>DeviceEditor</source>
        <translation>DeviceEditor</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>添加设备</translation>
    </message>
    <message>
        <source>Frame Rate :     </source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>推荐码率：</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Encode Section :        </source>
        <translation>码率类型：    </translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>定码率</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>变码率</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>通道名称：</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>设备类型：</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ 添加</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>通道名称</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
</context>
<context>
    <name>DeviceItemWidget</name>
    <message>
        <source>DeviceItemWidget</source>
        <translation>DeviceItemWidget</translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation>通道数：</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>码率：</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>编码类型：</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>场景类型：</translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation>通道数：%1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>定码率：%1 kbps</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>帧率：%1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>分辨率：%1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>编码类型：%1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>变码率：%1 kbps</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>场景类型：%1</translation>
    </message>
</context>
<context>
    <name>OrvaneMainPage</name>
    <message>
        <source>OrvaneMainPage</source>
        <translation>OrvaneMainPage</translation>
    </message>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Exit the Orvane software?</source>
        <translation>确定退出 Orvane 软件吗？</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Orvane</source>
        <translation>Orvane</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>ScenceSelector</source>
        <translation>ScenceSelector</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;Get Picture Failure&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-weight:600; color:#acacac;&quot;&gt;获取图片失败&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Scence:</source>
        <translation>场景：</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>获取图片失败</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>SizeDisplayPage</source>
        <translation>SizeDisplayPage</translation>
    </message>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>所需磁盘容量：</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;0&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;MB&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>sure</source>
        <translation>sure</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>tip text</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>导出数据</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>导入模板</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>提示：需重启软件</translation>
    </message>
    <message>
        <source>Update Data</source>
        <translation>更新数据</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>导出成功。</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>导出失败。</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>导入成功，重启软件后生效。</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>导入失败。</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</source>
        <translation>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png</source>
        <translation>Hospital,H.265,720P,1204,D:\secne\hospital1.png</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png</source>
        <translation>Hospital,H.264,1080P,2048,D:\secne\hospital2.png</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>WidgetDeviceListBorder</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;暂无设备，&lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;请添加设备！&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Orvane is already running.</source>
        <translation>Orvane 已在运行。</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>显示分辨率低于 1024×768，确定要启动程序吗？</translation>
    </message>
</context>
<context>
    <name>virad::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation> v2.0.0.3</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>版本：</translation>
    </message>
</context>
</TS>
