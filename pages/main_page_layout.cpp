#include "main_page_layout.h"

#include "multi_line_box.h"
#include "page_style.h"
#include "sensor_picture.h"
#include "twips.h"
#include "typing_limit.h"
#include "validation.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The left column's width; the right column takes the rest, enough for Text16.
constexpr int kLeftColumnTwips = 3600;
constexpr int kOptionHeightTwips = 300;

QString Name(const char *kind, int number)
{
    return QStringLiteral("%1%2").arg(QLatin1String(kind)).arg(number);
}

QGroupBox *Frame(int number, const QString &caption)
{
    auto *frame = new QGroupBox(caption);
    frame->setObjectName(Name("Frame", number));
    return frame;
}

template <typename Layout>
Layout *Tight(Layout *layout)
{
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    return layout;
}

QLabel *NamedLabel(int number, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(Name("Label", number));
    label->setWordWrap(true);
    return label;
}

QRadioButton *Option(QButtonGroup *group, int number, const QString &caption)
{
    auto *option = new QRadioButton(caption);
    option->setObjectName(Name("Option", number));
    option->setFixedHeight(TwipsToPixels(*option, kOptionHeightTwips));
    group->addButton(option, number);
    return option;
}

QPushButton *Command(int number, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(Name("Command", number));
    button->setAutoDefault(false);
    return button;
}

// Six phone-number boxes, three to a row or column.
QGridLayout *PhoneGrid(MainPageWidgets &w, int first, Qt::Orientation run)
{
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    for (int i = 0; i < 6; ++i) {
        QLineEdit *box = PhoneNumberBox(Name("Text", first + i));
        w.textBoxes[first + i] = box;
        if (run == Qt::Vertical)
            grid->addWidget(box, i % 3, i / 3);
        else
            grid->addWidget(box, i / 3, i % 3);
    }
    return grid;
}

QGroupBox *PortFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(1, QStringLiteral("串口设置"));
    auto *grid = Tight(new QGridLayout(frame));
    w.comOptions = new QButtonGroup(&page);
    for (int k = 1; k <= 4; ++k)
        grid->addWidget(Option(w.comOptions, k, QStringLiteral("COM%1").arg(k)), (k - 1) / 2, (k - 1) % 2);
    w.portStatus = new QLabel;
    w.portStatus->setObjectName(QStringLiteral("PortStatus"));
    w.portStatus->setWordWrap(true);
    grid->addWidget(w.portStatus, 2, 0, 1, 2);
    return frame;
}

QGroupBox *AuthorisedPhonesFrame(MainPageWidgets &w)
{
    QGroupBox *frame = Frame(2, QStringLiteral("只允许以下手机才能对报警器控制"));
    auto *layout = Tight(new QVBoxLayout(frame));
    layout->addLayout(PhoneGrid(w, 1, Qt::Vertical));
    return frame;
}

QGroupBox *PassPhraseFrame(MainPageWidgets &w)
{
    QGroupBox *frame = Frame(3, QStringLiteral("中文短信远程控制密语"));
    auto *grid = Tight(new QGridLayout(frame));
    const std::pair<int, const char16_t *> rows[] = {
        {7, u"切断汽车油路："}, {8, u"接通汽车油路："}, {13, u"防盗系统设防："}, {14, u"防盗系统解防："}};
    int row = 0;
    for (const auto &[number, caption] : rows) {
        w.textBoxes[number] = TextBox(Name("Text", number), kPassPhraseMaxLength);
        grid->addWidget(new QLabel(QString::fromUtf16(caption)), row, 0);
        grid->addWidget(w.textBoxes[number], row++, 1);
    }
    return frame;
}

QGroupBox *PasswordFrame(MainPageWidgets &w)
{
    QGroupBox *frame = Frame(4, QStringLiteral("短信改写报警设置的安全密语"));
    auto *layout = Tight(new QVBoxLayout(frame));
    w.textBoxes[15] = TextBox(QStringLiteral("Text15"), kRewritePasswordLength);
    w.textBoxes[15]->setMaximumWidth(w.textBoxes[15]->fontMetrics().horizontalAdvance(u'密') * 4 + 16);
    layout->addWidget(w.textBoxes[15]);
    layout->addWidget(WarningLabel(
        QStringLiteral("Label19"),
        QStringLiteral("用户只要记住这4个字的密语，就能以手机发短信的方式改写报警设置，密语可以改成任何汉字，"
                       "但必须是4个汉字，多于4个或少于4个都将无效。")));
    layout->addStretch();
    return frame;
}

QGroupBox *AlarmFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(5, QStringLiteral("主报警设置"));
    auto *layout = Tight(new QVBoxLayout(frame));
    layout->setSpacing(2);

    w.text16 = new MultiLineBox(QStringLiteral("Text16"), kVibrationAlarmTextMaxLength);
    w.text16->setSizeTwips(4980, 615);
    auto *textHeading = new QHBoxLayout;
    textHeading->addWidget(NamedLabel(9, QStringLiteral("振动位移传感器被触发时，需要发送的短信内容：")), 1);
    textHeading->addWidget(new RemainingCounter(w.text16, RemainingCounter::Lines::One), 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(textHeading);
    layout->addWidget(w.text16);
    layout->addWidget(NamedLabel(10, QStringLiteral("把以上报警短信内容同时发送给以下1-6个手机：")));
    layout->addLayout(PhoneGrid(w, 17, Qt::Horizontal));

    layout->addWidget(Divider(PageColors::kGreen));
    layout->addWidget(NamedLabel(11, QStringLiteral("振动位移传感器被触发时，需要向以下1-6个号码拨打电话：")));
    layout->addLayout(PhoneGrid(w, 23, Qt::Horizontal));

    layout->addWidget(Divider(PageColors::kGreen));
    w.alarmModes = new QButtonGroup(&page);
    layout->addWidget(Option(w.alarmModes, 5, QStringLiteral("报警时，只发短信，不拨打电话。")));
    layout->addWidget(Option(w.alarmModes, 6, QStringLiteral("报警时，只拨打电话，不发短信。")));
    layout->addWidget(Option(w.alarmModes, 7, QStringLiteral("报警时，既发短信，又拨打电话。")));
    return frame;
}

QGroupBox *SensorPageFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(6, QStringLiteral("无线报警传感器内容设置"));
    auto *row = Tight(new QHBoxLayout(frame));
    w.command3 = Command(3, QStringLiteral("无线报警传感器内容设置"));
    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(SensorPicture(TwipsToPixels(page, 480)));
    QLabel *hint = WarningLabel(QStringLiteral("Label18"),
                                QStringLiteral("点击此按钮进入无线门磁、无线人体红外热释电传感器的报警设置。"));
    hint->setAutoFillBackground(true);
    QPalette silver = hint->palette();
    silver.setColor(QPalette::Window, PageColors::kSilver);
    hint->setPalette(silver);
    hint->setMargin(2);
    row->addWidget(w.command3);
    row->addWidget(image);
    row->addWidget(hint, 1);
    return frame;
}

// Check1 and its warning beside it, inside a yellow rectangle.
QFrame *RingToneBox(MainPageWidgets &w)
{
    auto *box = new QFrame;
    box->setObjectName(QStringLiteral("RingToneFrame"));
    box->setStyleSheet(QStringLiteral("QFrame#RingToneFrame { border: 2px solid %1; }")
                           .arg(PageColors::kYellow.name()));
    auto *layout = Tight(new QHBoxLayout(box));
    layout->setContentsMargins(6, 4, 6, 4);
    w.check1 = new QCheckBox(QStringLiteral("关闭本机的振铃声响。"));
    w.check1->setObjectName(QStringLiteral("Check1"));
    layout->addWidget(w.check1, 0, Qt::AlignTop);
    layout->addWidget(WarningLabel(
        QStringLiteral("Label20"),
        QStringLiteral("（注意！一旦关闭本机的振铃声响，将无法再恢复。除了非常必要外，请不要选中此项。）")), 1);
    return box;
}

QHBoxLayout *Buttons(MainPageWidgets &w)
{
    auto *row = new QHBoxLayout;
    w.command2 = Command(2, QStringLiteral("退    出"));
    w.command1 = Command(1, QStringLiteral("立即写入本页设置"));
    row->addStretch();
    row->addWidget(w.command2);
    row->addWidget(w.command1);
    return row;
}

void SetFocusOrder(const MainPageWidgets &w)
{
    QList<QWidget *> order;
    for (QAbstractButton *option : w.comOptions->buttons())
        order.append(option);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15})
        order.append(w.textBoxes[n]);
    order.append(w.text16);
    for (int n = 17; n <= 28; ++n)
        order.append(w.textBoxes[n]);
    for (QAbstractButton *option : w.alarmModes->buttons())
        order.append(option);
    order << w.command1 << w.command2 << w.command3 << w.check1;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

MainPageWidgets BuildMainPage(QWidget &page)
{
    MainPageWidgets w;
    auto *left = new QWidget;
    left->setFixedWidth(TwipsToPixels(page, kLeftColumnTwips));
    auto *leftFrames = new QVBoxLayout(left);
    leftFrames->setContentsMargins(0, 0, 0, 0);
    leftFrames->setSpacing(4);
    leftFrames->addWidget(PortFrame(page, w));
    leftFrames->addWidget(AuthorisedPhonesFrame(w));
    leftFrames->addWidget(PassPhraseFrame(w));
    leftFrames->addWidget(PasswordFrame(w), 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(AlarmFrame(page, w));
    right->addWidget(SensorPageFrame(page, w));
    right->addWidget(RingToneBox(w));
    right->addStretch();
    right->addLayout(Buttons(w));

    auto *columns = new QHBoxLayout(&page);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    columns->addWidget(left);
    columns->addLayout(right, 1);
    SetFocusOrder(w);
    return w;
}
