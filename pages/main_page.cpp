#include "main_page.h"

#include "batch_window.h"
#include "box_naming.h"
#include "default_secrets.h"
#include "history_dialog.h"
#include "history_log.h"
#include "keyboard_rules.h"
#include "message_sink.h"
#include "multi_line_box.h"
#include "option_group.h"
#include "page_fields.h"
#include "page_settings.h"
#include "page_style.h"
#include "port_choice_menu.h"
#include "port_status.h"
#include "profile_transfer.h"
#include "profile_menu.h"
#include "refused_boxes.h"
#include "sensor_page.h"
#include "screen_fit.h"
#include "sensor_picture.h"
#include "serial_link.h"
#include "store_errors.h"
#include "twips.h"
#include "typing_limit.h"
#include "validation.h"
#include "window_history.h"
#include "write_outcome.h"
#include "write_record.h"
#include "write_sequences.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The ring-tone check box's states in the order of RingTone: clear, ticked, grayed.
constexpr std::array<Qt::CheckState, 3> kRingToneStates = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};

RingTone RingToneOf(Qt::CheckState state)
{
    return RingTone(std::find(kRingToneStates.begin(), kRingToneStates.end(), state) - kRingToneStates.begin());
}

QString PageTitle()
{
    return QCoreApplication::translate("MainPage", "  GSM车载防盗报警器设置软件 V1.0");
}

QString ProfileTitle()
{
    return QCoreApplication::translate("MainPage", "配置文件");
}

// The left column's width; the right column takes the rest, enough for Text16.
constexpr int kLeftColumnTwips = 3600;
constexpr int kOptionHeightTwips = 300;

const Field &TextField(int number)
{
    return FieldOf(MainPageFields(), NumberedName("Text", number));
}

// The one-line box of a text field: a number, a pass phrase or the password.
QLineEdit *Box(MainPageWidgets &w, int number)
{
    const Field &field = TextField(number);
    QLineEdit *box = field.type == FieldType::PhoneNumber ? PhoneNumberBox(field.controlName())
                                                          : TextBox(field.controlName(), field.maxLength);
    NameAfterField(*box, field);
    w.textBoxes[number] = box;
    return box;
}

QGroupBox *Frame(int number, const QString &caption)
{
    auto *frame = new QGroupBox(caption);
    frame->setObjectName(NumberedName("Frame", number));
    return frame;
}

template <typename Layout>
Layout *Tight(Layout *layout)
{
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    return layout;
}

QLabel *WrappedLabel(int number, const QString &text)
{
    QLabel *label = NamedLabel(NumberedName("Label", number), text);
    label->setWordWrap(true);
    return label;
}

QRadioButton *Option(QButtonGroup *group, int number, const QString &caption)
{
    auto *option = new QRadioButton(caption);
    option->setObjectName(NumberedName("Option", number));
    option->setFixedHeight(TwipsToPixels(*option, kOptionHeightTwips));
    group->addButton(option, number);
    return option;
}

// Six phone-number boxes, three to a row or column, each showing the number
// messages name it by, and described by the caption above them.
QGridLayout *PhoneGrid(MainPageWidgets &w, int first, Qt::Orientation run, const QString &caption)
{
    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    for (int i = 0; i < 6; ++i) {
        QLineEdit *box = Box(w, first + i);
        ShowNumberInside(*box, i + 1);
        DescribedBy(*box, caption);
        if (run == Qt::Vertical)
            grid->addWidget(box, i % 3, i / 3);
        else
            grid->addWidget(box, i / 3, i % 3);
    }
    return grid;
}

QGroupBox *PortFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(1, QCoreApplication::translate("MainPage", "串口设置"));
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
    QGroupBox *frame = Frame(2, QCoreApplication::translate("MainPage", "只允许以下手机才能对报警器控制"));
    auto *layout = Tight(new QVBoxLayout(frame));
    layout->addLayout(PhoneGrid(w, 1, Qt::Vertical, frame->title()));
    return frame;
}

QGroupBox *PassPhraseFrame(MainPageWidgets &w)
{
    QGroupBox *frame = Frame(3, QCoreApplication::translate("MainPage", "中文短信远程控制密语"));
    auto *grid = Tight(new QGridLayout(frame));
    const std::pair<int, const char *> rows[] = {{7, QT_TRANSLATE_NOOP("MainPage", "切断汽车油路：")},
                                                 {8, QT_TRANSLATE_NOOP("MainPage", "接通汽车油路：")},
                                                 {13, QT_TRANSLATE_NOOP("MainPage", "防盗系统设防：")},
                                                 {14, QT_TRANSLATE_NOOP("MainPage", "防盗系统解防：")}};
    int row = 0;
    for (const auto &[number, caption] : rows) {
        QLineEdit *box = Box(w, number);
        auto *label = new QLabel(QCoreApplication::translate("MainPage", caption));
        CaptionOf(*box, *label);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(new RemainingCounter(box, TextField(number).maxLength, RemainingCounter::Lines::One), row++, 2);
    }
    return frame;
}

QGroupBox *PasswordFrame(MainPageWidgets &w)
{
    QGroupBox *frame = Frame(4, QCoreApplication::translate("MainPage", "短信改写报警设置的安全密语"));
    auto *layout = Tight(new QVBoxLayout(frame));
    const Field &password = RewritePasswordField();
    QLineEdit *box = Box(w, password.number());
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(u'密') * password.maxLength + 16);
    QLabel *hint = WarningLabel(
        QStringLiteral("Label19"),
        QCoreApplication::translate("MainPage", "用户只要记住这4个字的密语，就能以手机发短信的方式改写报警设置，密语可以改成任何汉字，"
                       "但必须是4个汉字，多于4个或少于4个都将无效。"));
    DescribedBy(*box, hint->text());
    layout->addWidget(box);
    layout->addWidget(hint);
    layout->addStretch();
    return frame;
}

QGroupBox *AlarmFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(5, QCoreApplication::translate("MainPage", "主报警设置"));
    auto *layout = Tight(new QVBoxLayout(frame));
    layout->setSpacing(2);

    const Field &alarmText = TextField(16);
    w.alarmText = new MultiLineBox(alarmText.controlName(), alarmText.maxLength);
    w.alarmText->setSizeTwips(4980, 615);
    NameAfterField(*w.alarmText, alarmText);
    QLabel *textCaption = WrappedLabel(9, QCoreApplication::translate("MainPage", "振动位移传感器被触发时，需要发送的短信内容："));
    CaptionOf(*w.alarmText, *textCaption);
    auto *textHeading = new QHBoxLayout;
    textHeading->addWidget(textCaption, 1);
    textHeading->addWidget(new RemainingCounter(w.alarmText, RemainingCounter::Lines::One), 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addLayout(textHeading);
    layout->addWidget(w.alarmText);
    QLabel *recipients = WrappedLabel(10, QCoreApplication::translate("MainPage", "把以上报警短信内容同时发送给以下1-6个手机："));
    layout->addWidget(recipients);
    layout->addLayout(PhoneGrid(w, 17, Qt::Horizontal, recipients->text()));
    CaptionOf(*w.textBoxes[17], *recipients);

    layout->addWidget(Divider(PageColors::kGreen));
    QLabel *calls = WrappedLabel(11, QCoreApplication::translate("MainPage", "振动位移传感器被触发时，需要向以下1-6个号码拨打电话："));
    layout->addWidget(calls);
    layout->addLayout(PhoneGrid(w, 23, Qt::Horizontal, calls->text()));
    CaptionOf(*w.textBoxes[23], *calls);

    layout->addWidget(Divider(PageColors::kGreen));
    w.alarmModes = new QButtonGroup(&page);
    layout->addWidget(Option(w.alarmModes, 5, QCoreApplication::translate("MainPage", "报警时，只发短信，不拨打电话。")));
    layout->addWidget(Option(w.alarmModes, 6, QCoreApplication::translate("MainPage", "报警时，只拨打电话，不发短信。")));
    layout->addWidget(Option(w.alarmModes, 7, QCoreApplication::translate("MainPage", "报警时，既发短信，又拨打电话。")));
    return frame;
}

QGroupBox *SensorPageFrame(QWidget &page, MainPageWidgets &w)
{
    QGroupBox *frame = Frame(6, QCoreApplication::translate("MainPage", "无线报警传感器内容设置"));
    auto *row = Tight(new QHBoxLayout(frame));
    w.sensorPageButton = NamedButton(QStringLiteral("Command3"), QCoreApplication::translate("MainPage", "无线报警传感器内容设置"));
    auto *image = new QLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(SensorPicture(TwipsToPixels(page, 480)));
    QLabel *hint = WarningLabel(QStringLiteral("Label18"),
                                QCoreApplication::translate("MainPage", "点击此按钮进入无线门磁、无线人体红外热释电传感器的报警设置。"));
    hint->setAutoFillBackground(true);
    QPalette silver = hint->palette();
    silver.setColor(QPalette::Window, PageColors::kSilver);
    hint->setPalette(silver);
    hint->setMargin(2);
    DescribedBy(*w.sensorPageButton, hint->text());
    row->addWidget(w.sensorPageButton);
    row->addWidget(image);
    row->addWidget(hint, 1);
    return frame;
}

// The ring-tone switch Check1 and its warning beside it, inside a yellow rectangle.
QFrame *RingToneBox(MainPageWidgets &w)
{
    auto *box = new QFrame;
    box->setObjectName(QStringLiteral("RingToneFrame"));
    box->setStyleSheet(QStringLiteral("QFrame#RingToneFrame { border: 2px solid %1; }")
                           .arg(PageColors::kYellow.name()));
    auto *layout = Tight(new QHBoxLayout(box));
    layout->setContentsMargins(6, 4, 6, 4);
    w.ringToneOff = new QCheckBox(QCoreApplication::translate("MainPage", "关闭本机的振铃声响。"));
    w.ringToneOff->setObjectName(QStringLiteral("Check1"));
    QLabel *warning = WarningLabel(
        QStringLiteral("Label20"),
        QCoreApplication::translate("MainPage", "（注意！一旦关闭本机的振铃声响，将无法再恢复。除了非常必要外，请不要选中此项。）"));
    DescribedBy(*w.ringToneOff, warning->text());
    layout->addWidget(w.ringToneOff, 0, Qt::AlignTop);
    layout->addWidget(warning, 1);
    return box;
}

QWidget *Buttons(MainPageWidgets &w)
{
    w.buttonRow = new QWidget;
    auto *row = new QHBoxLayout(w.buttonRow);
    row->setContentsMargins(0, 0, 0, 0);
    w.exitButton = NamedButton(QStringLiteral("Command2"), QCoreApplication::translate("MainPage", "退    出"));
    w.writeButton = NamedButton(QStringLiteral("Command1"), QCoreApplication::translate("MainPage", "立即写入本页设置"));
    w.outcome = new WriteOutcomeLabel;
    row->addWidget(w.outcome, 1);
    row->addWidget(w.exitButton);
    row->addWidget(w.writeButton);
    return w.buttonRow;
}

void SetFocusOrder(const MainPageWidgets &w)
{
    QList<QWidget *> order;
    for (QAbstractButton *option : w.comOptions->buttons())
        order.append(option);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15})
        order.append(w.textBoxes[n]);
    order.append(w.alarmText);
    for (int n = 17; n <= 28; ++n)
        order.append(w.textBoxes[n]);
    for (QAbstractButton *option : w.alarmModes->buttons())
        order.append(option);
    order << w.writeButton << w.exitButton << w.sensorPageButton << w.ringToneOff;
    ChainFocus(order);
}

// Builds the main page's frames and controls on `page`: the serial port,
// authorised phones, pass phrases and password on the left; the vibration
// alarm and the way to the sensor page on the right; the ring-tone switch
// and the buttons below them. Sets the keyboard focus order.
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
    right->addWidget(Buttons(w));

    auto *columns = new QHBoxLayout(&page);
    columns->setContentsMargins(6, 6, 6, 6);
    columns->setSpacing(6);
    columns->addWidget(left);
    columns->addLayout(right, 1);
    SetFocusOrder(w);
    return w;
}

}  // namespace

MainPage::MainPage(SerialLink &link, Store &store, MessageSink &messages, HistoryLog &history,
                   std::function<QString()> startSimulatedUnits)
    : m_link(link),
      m_store(store),
      m_messages(messages),
      m_history(history),
      m_widgets(BuildMainPage(*this)),
      m_writeView(*this, m_waitWindow, *m_widgets.writeButton),
      m_ports(new PortStatus(link, *m_widgets.comOptions, *m_widgets.portStatus, messages,
                             std::move(startSimulatedUnits), *this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(PageTitle());
    setWindowIcon(SensorPicture(32));
    setFont(PageFont());
    auto *menu = new ProfileMenu(this);
    layout()->setMenuBar(menu);
    setFixedSize(TwipsSize(*this, 9030, 7650) + QSize(0, menu->sizeHint().height()));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
    InstallKeyboardRules(*this);
    FitToScreen(*this, *m_widgets.buttonRow);

    QList<QObject *> fields{m_widgets.alarmText, m_widgets.ringToneOff};
    for (QLineEdit *box : m_widgets.textBoxes)
        if (box)
            fields << box;
    for (QAbstractButton *mode : m_widgets.alarmModes->buttons())
        fields << mode;
    m_widgets.outcome->watch(fields);
    connect(m_widgets.comOptions, &QButtonGroup::idClicked, this,
            [this] { m_ports->report(selectPort()); });
    InstallPortChoiceMenus(*m_widgets.comOptions, link, store, [this](int com) {
        SelectOnly(*m_widgets.comOptions, com);
        m_ports->report(selectPort());
    });
    connect(menu, &ProfileMenu::importRequested, this, &MainPage::importProfile);
    connect(menu, &ProfileMenu::exportRequested, this, &MainPage::exportProfile);
    connect(menu, &ProfileMenu::historyRequested, this, &MainPage::showHistory);
    connect(menu, &ProfileMenu::batchRequested, this, &MainPage::openBatchWindow);
    connect(m_widgets.writeButton, &QPushButton::clicked, this, &MainPage::write);
    connect(m_widgets.exitButton, &QPushButton::clicked, this, &MainPage::exitProgram);
    connect(m_widgets.sensorPageButton, &QPushButton::clicked, this, &MainPage::openSensorPage);
    load();
}

MainPage::~MainPage()
{
    delete m_sensorPage;
}

void MainPage::load()
{
    m_store.ensureDirectory();
    const MainPageSettings settings = RestoreMainPage(m_store);
    // The stored COM choice before anything else, and only its port opened:
    // opening a serial device can reset what is plugged into it. With no
    // option stored as selected, writes go to COM1.
    const int stored = ComOptionAfterRestore(settings.comOptions);
    SelectOnly(*m_widgets.comOptions, stored);
    const QString portFailure = m_ports->select(stored == 0 ? 1 : stored);
    showValues(settings.values);
    ReportStoreErrors(m_store, m_messages, StoreAction::Read);
    m_ports->report(portFailure);  // once the page shows
}

QString MainPage::selectPort()
{
    return m_ports->select(selectedCom());
}

MainPageValues MainPage::values() const
{
    MainPageValues values;
    for (const Field &field : MainPageFields()) {
        if (field.type == FieldType::MultiLineText)
            values.text[field.number()] = m_widgets.alarmText->value();
        else if (field.isText())
            values.text[field.number()] = m_widgets.textBoxes[field.number()]->text();
    }
    values.alarmMode = AlarmModeOfOption(SelectedId(*m_widgets.alarmModes));
    values.ringTone = RingToneOf(m_widgets.ringToneOff->checkState());
    return values;
}

void MainPage::showValues(const MainPageValues &values)
{
    for (const Field &field : MainPageFields()) {
        if (field.type == FieldType::MultiLineText)
            m_widgets.alarmText->setValue(values.text[field.number()]);
        else if (field.isText())
            m_widgets.textBoxes[field.number()]->setText(values.text[field.number()]);
    }
    SelectOnly(*m_widgets.alarmModes, AlarmModeOption(values.alarmMode));
    m_widgets.ringToneOff->setCheckState(kRingToneStates[int(values.ringTone)]);
}

int MainPage::selectedCom() const
{
    return SelectedId(*m_widgets.comOptions);
}

SensorPage *MainPage::sensorPage() const
{
    return m_sensorPage;
}

void MainPage::write()
{
    const MainPageValues written = values();
    // A page the write refuses anyway is not asked about.
    if (ValidateMainPage(written).isEmpty() && !ConfirmDefaultSecrets(written, m_messages))
        return;
    m_closeHold.runWrite([this, &written] {
        m_ports->runWrite([this, &written] {
            const WriteResult result = WriteMainPage(written, m_link.port(), m_store, m_messages, m_writeView);
            m_widgets.outcome->showOutcome(result);
            RecordWindowWrite(m_history, m_messages, MainPageRecord(written, result, WindowOrigin(m_link)));
            ReportStoreErrors(m_store, m_messages, StoreAction::Save);
            MarkRefusedBoxes(*this, result.refusedFields);
        });
    });
}

bool MainPage::importProfile(const QString &path)
{
    const ProfileParse parse = ImportProfile(path, m_store);
    if (!parse.profile) {
        m_messages.showError(ProfileTitle(), QCoreApplication::translate("MainPage", "配置文件有误，没有导入任何设置：\n")
                                                 + parse.problems.join(u'\n'));
        return false;
    }
    MainPageValues shown = parse.profile->main;
    if (!parse.profile->hasPassword) {
        const int password = RewritePasswordField().number();
        shown.text[password] = values().text[password];
    }
    showValues(shown);
    ReportStoreErrors(m_store, m_messages, StoreAction::Save);
    // Which profile the page holds, until the program ends.
    setWindowTitle(QCoreApplication::translate("MainPage", "%1 — %2", "page title — profile file")
                       .arg(PageTitle(), QFileInfo(path).fileName()));
    return true;
}

bool MainPage::exportProfile(const QString &path, bool includePassword)
{
    const HeldStore held(m_store);
    if (!held.held()) {
        ReportStoreErrors(m_store, m_messages, StoreAction::Read);
        return false;
    }
    const Profile profile{values(), RestoreSensorPage(m_store), includePassword};
    ReportStoreErrors(m_store, m_messages, StoreAction::Read);
    const QString error = ExportProfile(path, profile);
    if (!error.isEmpty())
        m_messages.showError(ProfileTitle(), QCoreApplication::translate("MainPage", "无法保存配置文件 %1：%2").arg(path, error));
    else
        m_widgets.outcome->showNote(QCoreApplication::translate("MainPage", "配置已保存到 %1").arg(QFileInfo(path).absoluteFilePath()));
    return error.isEmpty();
}

void MainPage::openSensorPage()
{
    if (!m_sensorPage) {
        m_sensorPage = new SensorPage(m_store, m_messages, m_history, m_link, *m_ports, m_waitWindow,
                                      m_closeHold, *this);
        connect(m_sensorPage, &SensorPage::returnRequested, this, &MainPage::returnFromSensorPage);
        connect(m_sensorPage, &SensorPage::exitRequested, this, &MainPage::exitProgram);
    }
    m_sensorPage->move(pos() + TwipsOffset(*this, 100, 100));
    m_sensorPage->show();
    hide();
}

void MainPage::showHistory()
{
    auto *dialog = new HistoryDialog(m_history.path(), m_messages, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainPage::openBatchWindow(const QString &profile)
{
    if (!m_ports->unitsReady())
        return;
    const std::optional<UnitPages> pages =
        BatchPages(profile, values().text[RewritePasswordField().number()], m_messages);
    if (!pages)
        return;
    auto *batch = new BatchWindow(*pages, profile, m_link, m_messages, m_writeView, m_history, this);
    batch->setAttribute(Qt::WA_DeleteOnClose);
    // Each unit opens the port afresh: show where it stands once the batch is over.
    connect(batch, &QObject::destroyed, this, [this] { selectPort(); });
    batch->show();
}

void MainPage::returnFromSensorPage()
{
    m_sensorPage.clear();  // it destroys itself once back in the event loop
    show();
}

void MainPage::exitProgram()
{
    m_link.close();
    StoreComOptions(m_store, selectedCom());
    ReportStoreErrors(m_store, m_messages, StoreAction::SaveComChoice);
    Q_EMIT quitRequested();
}

void MainPage::closeEvent(QCloseEvent *event)
{
    if (m_closeHold.holds(*this, *event))
        return;
    m_link.close();
    event->accept();
    Q_EMIT quitRequested();
}
