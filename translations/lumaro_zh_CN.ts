<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AudioEditDialog</name>
    <message>
        <source>Select One or More Files</source>
        <translation>选择一个或多个文件</translation>
    </message>
    <message>
        <source>Reading audio files...</source>
        <translation>正在读取音频文件...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Play Segment</source>
        <translation>播放片段</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Set Start Point</source>
        <translation>设置起点</translation>
    </message>
    <message>
        <source>Set End Point</source>
        <translation>设置终点</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Global Audio Settings</source>
        <translation>全局音频设置</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>淡入</translation>
    </message>
    <message>
        <source>Fade out</source>
        <translation>淡出</translation>
    </message>
    <message>
        <source>Loop Background Music Automatically</source>
        <translation>自动循环播放背景音乐</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音频</translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation>音频文件</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>AudioListWidget</name>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音频</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>采样率</translation>
    </message>
    <message>
        <source>Start Point</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Drag Audio File(s) Here</source>
        <translation>将音频文件拖到此处</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Clip %1, %2, %3 to %4</source>
        <translation>曲目 %1，%2，%3 至 %4</translation>
    </message>
</context>
<context>
    <name>AudioReader</name>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 could not be examined within %2 seconds.</source>
        <translation>无法在 %2 秒内检查 %1。</translation>
    </message>
    <message>
        <source>The media information tool %1 could not be started.</source>
        <translation>无法启动媒体信息工具 %1。</translation>
    </message>
    <message>
        <source>Not music that can be read.</source>
        <translation>不是可读取的音乐。</translation>
    </message>
</context>
<context>
    <name>BatchPublisher</name>
    <message>
        <source>Cannot create a working folder in %1</source>
        <translation>无法在 %1 中创建工作文件夹</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>no photos in this folder</source>
        <translation>此文件夹中没有照片</translation>
    </message>
    <message>
        <source>Reading photos</source>
        <translation>正在读取照片</translation>
    </message>
    <message>
        <source>Reading music</source>
        <translation>正在读取音乐</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>Left out of the project: %1</source>
        <translation>已从项目中略去：%1</translation>
    </message>
    <message>
        <source>Nothing was published, as --strict asks when an input cannot be read.</source>
        <translation>按照 --strict 的要求，由于有输入无法读取，未发布任何内容。</translation>
    </message>
    <message>
        <source>No photo could be read; nothing was published.</source>
        <translation>没有能读取的照片；未发布任何内容。</translation>
    </message>
    <message>
        <source>the range %1-%2 s lies outside its %3 s</source>
        <translation>范围 %1-%2 秒超出了其 %3 秒的时长</translation>
    </message>
    <message>
        <source>Converting music</source>
        <translation>正在转换音乐</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>正在发布</translation>
    </message>
    <message>
        <source>The publishing was cancelled.</source>
        <translation>发布已取消。</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>未选择模板。</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>无法开始发布。</translation>
    </message>
    <message>
        <source>Interrupted: removing what was written so far.</source>
        <translation>已中断：正在删除已写入的内容。</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>无法发布幻灯片。</translation>
    </message>
</context>
<context>
    <name>Convert2Mp3Progress</name>
    <message>
        <source>The music converter %1 could not be started, so %2 could not be converted to MP3.</source>
        <translation>无法启动音乐转换器 %1，因此无法将 %2 转换为 MP3。</translation>
    </message>
    <message>
        <source>%1 holds no sound that can be converted to MP3.</source>
        <translation>%1 中没有可转换为 MP3 的声音。</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3: %2</source>
        <translation>无法将 %1 转换为 MP3：%2</translation>
    </message>
    <message>
        <source>%1 could not be converted to MP3.</source>
        <translation>无法将 %1 转换为 MP3。</translation>
    </message>
</context>
<context>
    <name>DocumentFlow</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销(&amp;U)：%1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R)：%1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>放弃(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Save Slideshow As</source>
        <translation>幻灯片另存为</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>打开幻灯片</translation>
    </message>
    <message>
        <source>Lumaro Projects (*.lumaro)</source>
        <translation>Lumaro 项目 (*.lumaro)</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。是否替换？</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.
%1</source>
        <translation>无法保存幻灯片。
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists. It was taken off the recent projects.</source>
        <translation>%1 已不存在，已从最近的项目中移除。</translation>
    </message>
    <message>
        <source>Lumaro was not closed properly. Restore the slideshow as it was at %1?</source>
        <translation>Lumaro 未正常关闭。是否将幻灯片恢复到 %1 时的状态？</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>The slideshow could not be opened.
%1</source>
        <translation>无法打开幻灯片。
%1</translation>
    </message>
    <message>
        <source>Not read: the opening was cancelled.</source>
        <translation>未读取：打开操作已取消。</translation>
    </message>
    <message>
        <source>This gallery template is not installed; the slideshow keeps %1.</source>
        <translation>此相册模板未安装；幻灯片保留 %1。</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>No permission to read %1.</source>
        <translation>没有读取 %1 的权限。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>The device holding %1 could not be read.</source>
        <translation>无法读取 %1 所在的设备。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>No space left on the device holding %1.</source>
        <translation>%1 所在的设备已没有可用空间。</translation>
    </message>
    <message>
        <source>The disk quota is used up on the device holding %1.</source>
        <translation>%1 所在设备上的磁盘配额已用完。</translation>
    </message>
    <message>
        <source>The device holding %1 is read-only.</source>
        <translation>%1 所在的设备为只读。</translation>
    </message>
    <message>
        <source>The device holding %1 could not be written.</source>
        <translation>无法写入 %1 所在的设备。</translation>
    </message>
    <message>
        <source>No permission to write %1.</source>
        <translation>没有写入 %1 的权限。</translation>
    </message>
    <message>
        <source>The folder of %1 does not exist.</source>
        <translation>%1 所在的文件夹不存在。</translation>
    </message>
    <message>
        <source>Part of the path %1 is a file, not a folder.</source>
        <translation>路径 %1 的一部分是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The name %1 is too long.</source>
        <translation>名称 %1 太长。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>FlashmoPublish</name>
    <message>
        <source>The publish profile %1 is not supported.</source>
        <translation>不支持发布配置 %1。</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2.</source>
        <translation>无法将 %1 复制到 %2。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>Cannot prepare the photos and the configuration file in %1.</source>
        <translation>无法在 %1 中准备照片和配置文件。</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>The file %1 is missing.</source>
        <translation>缺少文件 %1。</translation>
    </message>
    <message>
        <source>The template movie %1 is missing.</source>
        <translation>缺少模板影片 %1。</translation>
    </message>
    <message>
        <source>The template page %1 is missing.</source>
        <translation>缺少模板页面 %1。</translation>
    </message>
    <message>
        <source>The photo %1 is missing.</source>
        <translation>缺少照片 %1。</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>无法读取照片 %1。</translation>
    </message>
    <message>
        <source>The music file %1 is missing.</source>
        <translation>缺少音乐文件 %1。</translation>
    </message>
    <message>
        <source>%1 changed while it was being published.</source>
        <translation>%1 在发布过程中被更改。</translation>
    </message>
</context>
<context>
    <name>ImageReader</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>找不到临时文件夹！</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>Not a photo that can be read, or larger than %1 megapixels.</source>
        <translation>不是可读取的照片，或超过 %1 百万像素。</translation>
    </message>
    <message>
        <source>The working copies of %1 could not be made.</source>
        <translation>无法创建 %1 的工作副本。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>The original photo %1 is missing.</source>
        <translation>原始照片 %1 缺失。</translation>
    </message>
    <message>
        <source>The original photo %1 cannot be read.</source>
        <translation>无法读取原始照片 %1。</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Select One or More Files</source>
        <translation>选择一个或多个文件</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>选择一个文件夹</translation>
    </message>
</context>
<context>
    <name>ImportProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>导入进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>正在导入 %1...</translation>
    </message>
</context>
<context>
    <name>LoadFailedDialog</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Some files have not been added to the list:
</source>
        <translation>部分文件未添加到列表：
</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Files not added</source>
        <translation>未添加的文件</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>未说明原因</translation>
    </message>
</context>
<context>
    <name>Lumaro</name>
    <message>
        <source>Post &amp;Task Action</source>
        <translation>任务完成后的操作(&amp;T)</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Lumaro</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Quit Application</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>首选项(&amp;P)...</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>模板：</translation>
    </message>
    <message>
        <source>Import Photo(s)</source>
        <translation>导入照片</translation>
    </message>
    <message>
        <source>Import Photo Folder</source>
        <translation>导入照片文件夹</translation>
    </message>
    <message>
        <source>Import Audio File(s)</source>
        <translation>导入音频文件</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音频</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>发布</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Start the program failed. Please re-install it.</source>
        <translation>程序启动失败。请重新安装。</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>Scroll the strips</source>
        <translation>滚动照片栏和音乐栏</translation>
    </message>
</context>
<context>
    <name>MediaFormats</name>
    <message>
        <source>All Supported Files</source>
        <translation>所有支持的文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>MenuTemplateSelectionFrame</name>
    <message>
        <source>Time Corridor</source>
        <translation>时光长廊</translation>
    </message>
    <message>
        <source>3D Grid</source>
        <translation>3D 网格</translation>
    </message>
    <message>
        <source>Magic Cube</source>
        <translation>魔方</translation>
    </message>
    <message>
        <source>Pinwheel</source>
        <translation>风车</translation>
    </message>
    <message>
        <source>Photo Wall</source>
        <translation>照片墙</translation>
    </message>
    <message>
        <source>Carousel</source>
        <translation>旋转木马</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>扇形展开</translation>
    </message>
    <message>
        <source>Wonderful Moment</source>
        <translation>美好瞬间</translation>
    </message>
    <message>
        <source>FishEye</source>
        <translation>鱼眼</translation>
    </message>
    <message>
        <source>pic</source>
        <translation>图片</translation>
    </message>
</context>
<context>
    <name>OfflinePage</name>
    <message>
        <source>Cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is not an offline page skeleton</source>
        <translation>%1 不是离线页面框架</translation>
    </message>
    <message>
        <source>Click or press a key to start the music.</source>
        <translation>点击或按任意键开始播放音乐。</translation>
    </message>
    <message>
        <source>This slideshow needs a current web browser with JavaScript turned on.</source>
        <translation>此幻灯片需要启用了 JavaScript 的新版网页浏览器。</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>PhotoListWidget</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>垂直翻转</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>色深</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>位</translation>
    </message>
    <message>
        <source>Drag Photo(s) Here</source>
        <translation>将照片拖到此处</translation>
    </message>
    <message>
        <source>Cannot copy the photo(s): %1</source>
        <translation>无法复制照片：%1</translation>
    </message>
    <message>
        <source>Cannot save the turned photo(s): %1</source>
        <translation>无法保存旋转后的照片：%1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Photo %1 of %2, %3</source>
        <translation>照片 %1/%2，%3</translation>
    </message>
    <message>
        <source>turned right</source>
        <translation>已向右旋转</translation>
    </message>
    <message>
        <source>turned left</source>
        <translation>已向左旋转</translation>
    </message>
    <message>
        <source>upside down</source>
        <translation>已旋转 180 度</translation>
    </message>
    <message>
        <source>mirrored</source>
        <translation>已水平翻转</translation>
    </message>
    <message>
        <source>flipped</source>
        <translation>已垂直翻转</translation>
    </message>
    <message>
        <source>turned right and mirrored</source>
        <translation>已向右旋转并水平翻转</translation>
    </message>
    <message>
        <source>turned left and mirrored</source>
        <translation>已向左旋转并水平翻转</translation>
    </message>
</context>
<context>
    <name>PhotoOperation</name>
    <message>
        <source>Cannot read the picture %1.</source>
        <translation>无法读取图片 %1。</translation>
    </message>
    <message>
        <source>Cannot write the picture %1.</source>
        <translation>无法写入图片 %1。</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Temporary Folder</source>
        <translation>临时文件夹</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Action After Making</source>
        <translation>制作完成后的操作</translation>
    </message>
    <message>
        <source>Selected Post Task Action:</source>
        <translation>所选任务完成后的操作：</translation>
    </message>
    <message>
        <source>Do Nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Shut Down</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
    <message>
        <source>Stand By</source>
        <translation>待机</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>更新设置</translation>
    </message>
    <message>
        <source>Check for Updates Automatically:</source>
        <translation>自动检查更新：</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Every Month</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Lumaro does not check for updates over the network. These settings are only remembered.</source>
        <translation>Lumaro 不会通过网络检查更新。这些设置仅会被记住。</translation>
    </message>
    <message>
        <source>Reset to Default</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>文件名不能包含以下任何字符：%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>选择一个文件夹</translation>
    </message>
    <message>
        <source>Failed to open folder &quot;%1&quot;.</source>
        <translation>无法打开文件夹“%1”。</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>所选路径不正确，请重新选择。</translation>
    </message>
    <message>
        <source>The selected folder is read-only, please select other folder.</source>
        <translation>所选文件夹为只读，请选择其他文件夹。</translation>
    </message>
    <message>
        <source>The temporary folder was not moved: &quot;%1&quot; could not be copied (%2). Your photos and music stay where they were.</source>
        <translation>临时文件夹未移动：无法复制“%1”（%2）。您的照片和音乐仍在原处。</translation>
    </message>
</context>
<context>
    <name>PreferencesProgress</name>
    <message>
        <source>Import Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Moving the photos and music to the new temporary folder...</source>
        <translation>正在将照片和音乐移动到新的临时文件夹...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1（第 %2 字节处）</translation>
    </message>
    <message>
        <source>%1 is not a Lumaro project, or it is damaged: %2.</source>
        <translation>%1 不是 Lumaro 项目，或已损坏：%2。</translation>
    </message>
    <message>
        <source>%1 is not a project file.</source>
        <translation>%1 不是项目文件。</translation>
    </message>
    <message>
        <source>%1 is too large for a project file (more than %2 MB).</source>
        <translation>%1 作为项目文件太大（超过 %2 MB）。</translation>
    </message>
    <message>
        <source>%1 was saved by a newer Lumaro (project format version %2); this one reads up to version %3.</source>
        <translation>%1 由更新版本的 Lumaro 保存（项目格式版本 %2）；此版本最多只能读取版本 %3。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot save the project %1: a project holds at most %2 photos and %3 music clips.</source>
        <translation>无法保存项目 %1：一个项目最多包含 %2 张照片和 %3 个曲目。</translation>
    </message>
    <message>
        <source>Cannot save the project as %1: that is %2, one of the slideshow&apos;s originals.</source>
        <translation>无法将项目另存为 %1：它是 %2，幻灯片的原始文件之一。</translation>
    </message>
    <message>
        <source>Cannot save the project %1: it would be larger than %2 MB.</source>
        <translation>无法保存项目 %1：它将超过 %2 MB。</translation>
    </message>
    <message>
        <source>Music clip %1</source>
        <translation>曲目 %1</translation>
    </message>
    <message>
        <source>Music clips %1 to %2</source>
        <translation>曲目 %1 至 %2</translation>
    </message>
    <message>
        <source>Photo %1</source>
        <translation>照片 %1</translation>
    </message>
    <message>
        <source>Photos %1 to %2</source>
        <translation>照片 %1 至 %2</translation>
    </message>
    <message>
        <source>The music options</source>
        <translation>音乐选项</translation>
    </message>
    <message>
        <source>The project file</source>
        <translation>项目文件</translation>
    </message>
    <message>
        <source>The publish settings</source>
        <translation>发布设置</translation>
    </message>
    <message>
        <source>The template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>a device, not a file</source>
        <translation>是设备，不是文件</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>是文件夹，不是文件</translation>
    </message>
    <message>
        <source>a pipe, not a file</source>
        <translation>是管道，不是文件</translation>
    </message>
    <message>
        <source>a project holds at most %1 music clips</source>
        <translation>一个项目最多包含 %1 个曲目</translation>
    </message>
    <message>
        <source>a project holds at most %1 photos</source>
        <translation>一个项目最多包含 %1 张照片</translation>
    </message>
    <message>
        <source>a socket, not a file</source>
        <translation>是套接字，不是文件</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>damaged; the default is used</source>
        <translation>已损坏；使用默认值</translation>
    </message>
    <message>
        <source>it does not name the Lumaro project format</source>
        <translation>未注明 Lumaro 项目格式</translation>
    </message>
    <message>
        <source>it holds no project</source>
        <translation>不包含项目</translation>
    </message>
    <message>
        <source>its format version is unknown</source>
        <translation>格式版本未知</translation>
    </message>
    <message>
        <source>its list of photos or of music clips is damaged</source>
        <translation>照片或曲目列表已损坏</translation>
    </message>
    <message>
        <source>its start and end are damaged</source>
        <translation>起点和终点已损坏</translation>
    </message>
    <message>
        <source>its turns and flips are damaged</source>
        <translation>旋转和翻转信息已损坏</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>未指定文件名</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>not a usable path</source>
        <translation>不是可用的路径</translation>
    </message>
    <message>
        <source>the project file itself</source>
        <translation>项目文件本身</translation>
    </message>
</context>
<context>
    <name>PublishCommandLine</name>
    <message>
        <source>&quot;%1&quot; is no clip range: write FILE@START-END in seconds, for example song.mp3@10-70.</source>
        <translation>“%1”不是片段范围：请按秒写成 文件@起点-终点，例如 song.mp3@10-70。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no clip range: the end must come after the start.</source>
        <translation>“%1”不是片段范围：终点必须在起点之后。</translation>
    </message>
    <message>
        <source>--%1 may be given only once.</source>
        <translation>--%1 只能指定一次。</translation>
    </message>
    <message>
        <source>No gallery templates are installed.</source>
        <translation>未安装任何相册模板。</translation>
    </message>
    <message>
        <source>There is no template &quot;%1&quot;. Installed templates: %2.</source>
        <translation>没有模板“%1”。已安装的模板：%2。</translation>
    </message>
    <message>
        <source>The quality must be a whole number from 1 to 100, not &quot;%1&quot;.</source>
        <translation>质量必须是 1 到 100 之间的整数，而不是“%1”。</translation>
    </message>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>名称不能包含以下任何字符：%1</translation>
    </message>
    <message>
        <source>The output folder cannot be left blank.</source>
        <translation>输出文件夹不能为空。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a usable path.</source>
        <translation>输出文件夹“%1”不是可用的路径。</translation>
    </message>
    <message>
        <source>The output &quot;%1&quot; is a file, not a folder.</source>
        <translation>输出“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>--loop and --no-loop cannot be used together.</source>
        <translation>--loop 和 --no-loop 不能同时使用。</translation>
    </message>
    <message>
        <source>No photos given: name photo files or folders after the options.</source>
        <translation>未指定照片：请在选项后写出照片文件或文件夹。</translation>
    </message>
    <message>
        <source>The project file cannot be left blank.</source>
        <translation>项目文件不能为空。</translation>
    </message>
    <message>
        <source>--project publishes the project&apos;s photos: name no photos after the options.</source>
        <translation>--project 发布项目中的照片：请不要在选项后写出照片。</translation>
    </message>
    <message>
        <source>The project&apos;s template &quot;%1&quot; is not installed; choose one with --template.</source>
        <translation>项目的模板“%1”未安装；请用 --template 选择一个。</translation>
    </message>
    <message>
        <source>Try &quot;lumaro-publish --help&quot;.</source>
        <translation>请尝试“lumaro-publish --help”。</translation>
    </message>
    <message>
        <source>Interrupts cannot be watched: Ctrl-C may leave files behind.</source>
        <translation>无法监视中断：按 Ctrl+C 可能会留下文件。</translation>
    </message>
    <message>
        <source>The video size must be 1080 or 720, not &quot;%1&quot;.</source>
        <translation>视频尺寸必须是 1080 或 720，而不是“%1”。</translation>
    </message>
    <message>
        <source>The seconds per photo must be a whole number from 2 to 10 or &quot;fit&quot;, not &quot;%1&quot;.</source>
        <translation>每张照片的秒数必须是 2 到 10 之间的整数或“fit”，而不是“%1”。</translation>
    </message>
    <message>
        <source>Unknown profile &quot;%1&quot;: use xml, swf, swf+html, html or video.</source>
        <translation>未知的配置“%1”：请使用 xml、swf、swf+html、html 或 video。</translation>
    </message>
    <message>
        <source>Usage: lumaro-publish [options] PHOTO|FOLDER...
       lumaro-publish --project FILE.lumaro [options]
Publishes photos and music as a Flash gallery slideshow, without a window.
Folders are searched with their sub-folders. A project saved in the window is
published as the window would; options given as well override its settings,
--music its music.

Options:
  --template NAME         gallery template (see --list-templates)
  --profile PROFILE       xml, swf, swf+html, html or video (MP4; the template
                          does not apply) (default: swf)
  --video-size HEIGHT     the video&apos;s frame: 1080 or 720 (default: 1080)
  --seconds-per-photo N   the video&apos;s time per photo, 2-10, or &quot;fit&quot; to share
                          the music&apos;s length (default: 4)
  --quality N             JPEG quality of the photos, 1-100 (default: 85)
  --photo-size SIZE       standard (720x540, the default), hd (1440x1080) or
                          fullhd (1920x1440, for large screens)
  --music FILE[@START-END]
                          background music, repeatable; START and END in seconds
  --fade-in, --fade-out   fade every clip in or out
  --loop, --no-loop       play the music again when it ends (default: loop)
  --name NAME             name of the slideshow (default: My Flash)
  --output FOLDER         where the slideshow goes (default: your documents)
  --strict                publish nothing when any input cannot be read
  --project FILE          publish a project saved in the window (.lumaro)
  --list-templates        list the installed templates and exit
  -h, --help              show this help and exit
  -v, --version           show the version and exit

The published path is written to standard output, progress to standard error.
Exit status: 0 published; 1 some inputs could not be read (they are listed);
2 usage error; 3 publishing failed; 130/143 interrupted.
</source>
        <translation>用法：lumaro-publish [选项] 照片|文件夹...
      lumaro-publish --project 文件.lumaro [选项]
不打开窗口，将照片和音乐发布为 Flash 相册幻灯片。
会连同子文件夹一起搜索文件夹。在窗口中保存的项目会按窗口的方式发布；
另外指定的选项会覆盖其设置，--music 会覆盖其音乐。

选项：
  --template 名称         相册模板（见 --list-templates）
  --profile 配置          xml、swf、swf+html、html 或 video（MP4；不使用
                          模板）（默认：swf）
  --video-size 高度       视频的画面：1080 或 720（默认：1080）
  --seconds-per-photo N   视频中每张照片的秒数，2-10，或用“fit”平分
                          音乐的长度（默认：4）
  --quality N             照片的 JPEG 质量，1-100（默认：85）
  --photo-size 尺寸       standard（720x540，默认）、hd（1440x1080）或
                          fullhd（1920x1440，适合大屏幕）
  --music 文件[@起点-终点]
                          背景音乐，可重复；起点和终点以秒为单位
  --fade-in, --fade-out   每个曲目淡入或淡出
  --loop, --no-loop       音乐结束后重新播放（默认：loop）
  --name 名称             幻灯片名称（默认：我的Flash）
  --output 文件夹         幻灯片的输出位置（默认：您的文档）
  --strict                有任何输入无法读取时不发布
  --project 文件          发布在窗口中保存的项目（.lumaro）
  --list-templates        列出已安装的模板并退出
  -h, --help              显示此帮助并退出
  -v, --version           显示版本并退出

发布的路径写到标准输出，进度写到标准错误。
退出状态：0 已发布；1 有些输入无法读取（会列出）；
2 用法错误；3 发布失败；130/143 已中断。
</translation>
    </message>
    <message>
        <source>Unknown photo size &quot;%1&quot;: use standard, hd or fullhd.</source>
        <translation>未知的照片尺寸“%1”：请使用 standard、hd 或 fullhd。</translation>
    </message>
</context>
<context>
    <name>PublishFlow</name>
    <message>
        <source>Cannot find the temporary directory!</source>
        <translation>找不到临时文件夹！</translation>
    </message>
    <message>
        <source>No template is selected.</source>
        <translation>未选择模板。</translation>
    </message>
    <message>
        <source>The publishing could not be started.</source>
        <translation>无法开始发布。</translation>
    </message>
    <message>
        <source>The slideshow could not be published.</source>
        <translation>无法发布幻灯片。</translation>
    </message>
    <message>
        <source>Publish Succeeded!</source>
        <translation>发布成功！</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
</context>
<context>
    <name>PublishSetting</name>
    <message>
        <source>The file name cannot contain one of these characters:%1</source>
        <translation>文件名不能包含以下任何字符：%1</translation>
    </message>
    <message>
        <source>Select one folder</source>
        <translation>选择一个文件夹</translation>
    </message>
    <message>
        <source>The specified directory was not found.</source>
        <translation>找不到指定的文件夹。</translation>
    </message>
    <message>
        <source>The file name cannot be left blank, please enter a file name!</source>
        <translation>文件名不能为空，请输入文件名！</translation>
    </message>
    <message>
        <source>The selected path is incorrect, please select again.</source>
        <translation>所选路径不正确，请重新选择。</translation>
    </message>
    <message>
        <source>Publish Settings</source>
        <translation>发布设置</translation>
    </message>
    <message>
        <source>Photo Quality:</source>
        <translation>照片质量：</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>配置：</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>目标位置：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>My Flash</source>
        <translation>我的Flash</translation>
    </message>
    <message>
        <source>Low(50)</source>
        <translation>低 (50)</translation>
    </message>
    <message>
        <source>Better(85)</source>
        <translation>较好 (85)</translation>
    </message>
    <message>
        <source>High(100)</source>
        <translation>高 (100)</translation>
    </message>
    <message>
        <source>html (offline)</source>
        <translation>html（离线）</translation>
    </message>
    <message>
        <source>video (MP4)</source>
        <translation>视频 (MP4)</translation>
    </message>
    <message>
        <source>A video does not use the template: it shows the photos one after another with a slow zoom and crossfades, to the music.</source>
        <translation>视频不使用模板：它随音乐逐张显示照片，带有缓慢缩放和交叉淡化效果。</translation>
    </message>
    <message>
        <source>Frame Size:</source>
        <translation>画面尺寸：</translation>
    </message>
    <message>
        <source>Each Photo:</source>
        <translation>每张照片：</translation>
    </message>
    <message>
        <source>1920 x 1080 (1080p)</source>
        <translation>1920 x 1080 (1080p)</translation>
    </message>
    <message>
        <source>1280 x 720 (720p)</source>
        <translation>1280 x 720 (720p)</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Fit to music</source>
        <translation>适应音乐长度</translation>
    </message>
    <message>
        <source>About %1 KB per photo.</source>
        <translation>每张照片约 %1 KB。</translation>
    </message>
    <message>
        <source>Photo Size:</source>
        <translation>照片尺寸：</translation>
    </message>
    <message>
        <source>Standard (720 × 540)</source>
        <translation>标准 (720 × 540)</translation>
    </message>
    <message>
        <source>HD (1440 × 1080)</source>
        <translation>HD (1440 × 1080)</translation>
    </message>
    <message>
        <source>Full HD (1920 × 1440)</source>
        <translation>全高清 (1920 × 1440)</translation>
    </message>
</context>
<context>
    <name>PublishTarget</name>
    <message>
        <source>The name cannot be left blank.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>The name cannot contain one of these characters:%1</source>
        <translation>名称不能包含以下任何字符：%1</translation>
    </message>
    <message>
        <source>The name cannot contain control characters.</source>
        <translation>名称不能包含控制字符。</translation>
    </message>
    <message>
        <source>The name cannot be made of dots only.</source>
        <translation>名称不能只由点组成。</translation>
    </message>
    <message>
        <source>The name is too long: it may hold at most %1 bytes.</source>
        <translation>名称太长：最多只能有 %1 字节。</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message numerus="yes">
        <source>Import %n Photo(s)</source>
        <translation>
            <numerusform>导入 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Audio File(s)</source>
        <translation>
            <numerusform>导入 %n 个音频文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Photo(s)</source>
        <translation>
            <numerusform>删除 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Audio File(s)</source>
        <translation>
            <numerusform>删除 %n 个音频文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Photo(s)</source>
        <translation>
            <numerusform>移动 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Audio File(s)</source>
        <translation>
            <numerusform>移动 %n 个音频文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Photo(s)</source>
        <translation>
            <numerusform>复制 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Audio File(s)</source>
        <translation>
            <numerusform>复制 %n 个音频文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Left</source>
        <translation>
            <numerusform>向左旋转 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Turn %n Photo(s) Right</source>
        <translation>
            <numerusform>向右旋转 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Mirror %n Photo(s)</source>
        <translation>
            <numerusform>水平翻转 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Flip %n Photo(s)</source>
        <translation>
            <numerusform>垂直翻转 %n 张照片</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restore %n Photo(s)</source>
        <translation>
            <numerusform>还原 %n 张照片</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose Template %1</source>
        <translation>选择模板 %1</translation>
    </message>
    <message>
        <source>Edit Audio</source>
        <translation>编辑音频</translation>
    </message>
</context>
<context>
    <name>StagedOutput</name>
    <message>
        <source>The name &quot;%1&quot; cannot be used: %2</source>
        <translation>无法使用名称“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot write into the folder %1</source>
        <translation>无法写入文件夹 %1</translation>
    </message>
    <message>
        <source>Cannot move the slideshow to %1</source>
        <translation>无法将幻灯片移动到 %1</translation>
    </message>
</context>
<context>
    <name>VelMainWindow</name>
    <message>
        <source>%1 %2
Turns photos and music into Flash gallery slideshows.</source>
        <translation>%1 %2
将照片和音乐制作成 Flash 相册幻灯片。</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Default Size</source>
        <translation>默认大小(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>&amp;Appearance</source>
        <translation>外观(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Skin</source>
        <translation>皮肤(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
</context>
<context>
    <name>VelMediaPreviewWidget</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>VelPowerState</name>
    <message numerus="yes">
        <source>%1 will quit in %n second(s).</source>
        <translation>
            <numerusform>%1 将在 %n 秒后退出。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will stand by in %n second(s).</source>
        <translation>
            <numerusform>计算机将在 %n 秒后待机。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will hibernate in %n second(s).</source>
        <translation>
            <numerusform>计算机将在 %n 秒后休眠。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The computer will shut down in %n second(s).</source>
        <translation>
            <numerusform>计算机将在 %n 秒后关机。</numerusform>
        </translation>
    </message>
    <message>
        <source>Quit Now</source>
        <translation>立即退出</translation>
    </message>
    <message>
        <source>Do It Now</source>
        <translation>立即执行</translation>
    </message>
</context>
<context>
    <name>WorkspaceMove</name>
    <message>
        <source>The folder cannot be created.</source>
        <translation>无法创建文件夹。</translation>
    </message>
    <message>
        <source>Another file of that name is in the way.</source>
        <translation>有另一个同名文件挡住了。</translation>
    </message>
    <message>
        <source>The copy is incomplete.</source>
        <translation>副本不完整。</translation>
    </message>
    <message>
        <source>No space left on the device holding &quot;%1&quot;</source>
        <translation>“%1”所在的设备已没有可用空间</translation>
    </message>
</context>
<context>
    <name>VideoJob</name>
    <message>
        <source>No temporary folder could be made for the video.</source>
        <translation>无法为视频创建临时文件夹。</translation>
    </message>
    <message>
        <source>The picture of %1 could not be written to the temporary folder.</source>
        <translation>无法将 %1 的图像写入临时文件夹。</translation>
    </message>
    <message>
        <source>The video tool %1 could not be started.</source>
        <translation>无法启动视频工具 %1。</translation>
    </message>
    <message>
        <source>The video could not be made.</source>
        <translation>无法制作视频。</translation>
    </message>
    <message>
        <source>The video could not be made: %1</source>
        <translation>无法制作视频：%1</translation>
    </message>
</context>
</TS>
