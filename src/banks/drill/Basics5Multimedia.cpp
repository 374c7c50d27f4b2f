// 计算机基础知识 / 多媒体技术简介:
// 8 questions; 1 of the 8 questions has one blank after the option letter; analysis paragraphs
// begin with three blanks (the second paragraph of question 3 with none). Fill-in marks are "（）"
// except "（  ）" in question 6.
#include "banks/DrillBank.h"

namespace boxi::banks {
namespace {

constexpr DrillRow kRows[] = {
    {.number = 1,
     .stem = "1.数字视频由一系列静止画面按时间顺序连续播放而成，其中的每一幅画面称为（）。",
     .options = {"(A)帧", "(B)像素", "(C)图层", "(D)图元"},
     .analysis = "   视频由一幅幅连续的静止画面组成，每一幅画面称为一帧，每秒播放的帧数称为帧率，"
                 "如我国的电视每秒播放25帧。帧率足够高时，由于人眼的视觉暂留，看到的就是连续的动作。"
                 "像素是组成画面的最小的点，一帧画面由许多像素组成，所以像素不是一幅画面。"},
    {.number = 2,
     .stem = "2.把连续变化的模拟声音信号转换为数字信号时，每隔一定时间取一个幅度值的过程称为（）",
     .options = {"(A)采样", "(B)量化", "(C)编码", "(D)压缩"},
     .analysis = "   声音数字化要经过采样、量化和编码三步：按固定的时间间隔读取信号幅度称为采样，"
                 "把取得的幅度值用有限位数的二进制数表示称为量化。题中描述的是在时间上取值，所以是采样。"},
    {.number = 3,
     .stem = "3.录制一段4分钟的双声道立体声，采样频率44.1kHz、量化位数16位，若1MB按10^6字节计，不压缩时的数据量约为（）。",
     .options = {"(A) 21.17MB", "(B) 338.69MB", "(C) 5.29MB", "(D) 42.34MB"},
     .analysis = "   音频数据量（B）=采样时间(s) x 采样频率(Hz) x 量化位数(b) x 声道数/8\r\n"
                 "所以本题的数据量=240 x 44100 x 16 x 2/8=42.34MB。"},
    {.number = 4,
     .stem = "4.CD音质的数字音频通常采用的采样频率是（）",
     .options = {"(A)44.1kHz", "(B)8kHz", "(C)22.05kHz", "(D)11.025kHz"},
     .analysis = "   CD音质的数字音频采用44.1kHz的采样频率、16位量化和双声道，44.1kHz略高于人耳能听到的最高频率"
                 "(约20kHz)的两倍。8kHz常用于电话语音，22.05kHz和11.025kHz的音质都低于CD。"},
    {.number = 5,
     .stem = "5.下列关于数据压缩的叙述中，正确的是（）。",
     .options = {"(A)无损压缩的压缩比一般比有损压缩高", "(B)经有损压缩的数据可以完全恢复原样",
                 "(C)文本和程序文件通常采用有损压缩", "(D)有损压缩利用人眼、人耳不敏感的特点舍去部分信息"},
     .analysis = "   有损压缩舍去人的视觉和听觉不敏感的部分信息，解压后不能完全恢复原始数据，但压缩比高，"
                 "常用于图像、声音和视频。无损压缩能完全恢复原始数据，压缩比一般较低，文本和程序必须用无损压缩，"
                 "所以A、B、C都不对。"},
    {.number = 6,
     .stem = "6.与WAV文件相比，MIDI文件中记录的是（  ）。",
     .options = {"(A)演奏乐曲的指令序列", "(B)经过采样和量化的声音波形", "(C)经过有损压缩的数字音频",
                 "(D)乐曲乐谱的扫描图片"},
     .analysis = "   MIDI文件记录的是用什么乐器、弹哪个音、力度和时长等演奏指令，由声卡或音源按指令合成声音，"
                 "所以文件很小。记录采样、量化后声音波形的是WAV文件。"},
    {.number = 7,
     .stem = "7.下列软件中，主要用来编辑和处理数码照片等位图图像的是（）。",
     .options = {"(A)Premiere", "(B)Flash", "(C)Audition", "(D)Photoshop"},
     .analysis = "   Photoshop是常用的位图图像处理软件，可以对照片进行修饰、调色和合成。"
                 "Premiere是视频编辑软件，Flash主要用来制作矢量动画，Audition用来录制和编辑声音。"},
    {.number = 8,
     .stem = "8.一幅640×480像素的256色位图，不压缩时的数据量为（）字节。",
     .options = {"(A)2457600", "(B)38400", "(C)921600", "(D)307200"},
     .analysis = "   256色需要8位(2^8=256)即1个字节表示一个像素，数据量=640×480×8÷8=307200字节。"
                 "若忘记除以8，会得到以位为单位的2457600；921600是24位真彩色时的数据量。"},
};

}  // namespace

extern const DrillRows kDrillMultimedia = kRows;

}  // namespace boxi::banks
