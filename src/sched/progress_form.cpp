#include "sched/progress_form.h"

#include "platform/machine.h"

namespace sv {

TfrmProgress::TfrmProgress() : ui::Form("frmProgress") {
    setCaption("Scheduled Maintenance Progress");
    setBorderStyle(ui::BorderStyle::None);
    setStayOnTop(true);
    setClientSize(kWidth, kHeight);
    setColor(ui::rgb(0xF4, 0xF6, 0xFA));

    ui::Font bold;
    bold.bold = true;
    bold.color = ui::rgb(0x1F, 0x3A, 0x68);
    lblCaption.setFont(bold);
    lblCaption.setCaption("Performing Scheduled Maintenance");
    lblCaption.setBounds(10, 8, 238, 16);

    lblSchedType.setBounds(10, 30, 180, 16);

    ui::Font link;
    link.underline = true;
    link.size = 7;
    link.color = ui::rgb(0, 0, 0xFF);
    lblCancel.setFont(link);
    lblCancel.setCaption("Cancel");
    lblCancel.setCursor(ui::Cursor::Hand);
    lblCancel.setAlignment(ui::Alignment::Right);
    lblCancel.setBounds(198, 30, 50, 16);
}

void TfrmProgress::placeBottomRight() {
    ISystem& sys = machine().system();
    setBounds(sys.screenWidth() - kWidth, sys.screenHeight() - 82, width(), height());
}

}  // namespace sv
