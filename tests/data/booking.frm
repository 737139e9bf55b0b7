VERSION 5.00
Object = "{B1C4E7A2-6F3D-4C58-9A0E-2D7F5B81C346}#2.0#0"; "NOVACTL2.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmBooking 
   BorderStyle     =   2  'Sizable
   Caption         =   "Book an appointment"
   ClientHeight    =   3960
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6600
   LinkTopic       =   "Form1"
   ScaleHeight     =   3960
   ScaleWidth      =   6600
   StartUpPosition =   2  'CenterScreen
   Begin VB.Label lblDate 
      Caption         =   "&Date:"
      Height          =   255
      Left            =   120
      TabIndex        =   0
      Top             =   180
      Width           =   975
   End
   Begin NovaCtl2.DTPicker dtpDate 
      Height          =   315
      Left            =   1200
      TabIndex        =   1
      Top             =   120
      Width           =   1695
      _ExtentX        =   2990
      _ExtentY        =   556
      _Version        =   393216
      Format          =   24641537
      CurrentDate     =   46371
   End
   Begin VB.Label lblTime 
      Caption         =   "&Time:"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   600
      Width           =   975
   End
   Begin NovaCtl2.DTPicker dtpTime 
      Height          =   315
      Left            =   1200
      TabIndex        =   3
      Top             =   540
      Width           =   1695
      _ExtentX        =   2990
      _ExtentY        =   556
      _Version        =   393216
      Format          =   24641538
      UpDown          =   -1  'True
      CurrentDate     =   46371.4375
   End
   Begin VB.Label lblRemind 
      Caption         =   "&Remind me:"
      Height          =   255
      Left            =   120
      TabIndex        =   4
      Top             =   1020
      Width           =   975
   End
   Begin NovaCtl2.DTPicker dtpRemind 
      Height          =   315
      Left            =   1200
      TabIndex        =   5
      Top             =   960
      Width           =   2295
      _ExtentX        =   4048
      _ExtentY        =   556
      _Version        =   393216
      CheckBox        =   -1  'True
      CustomFormat    =   "ddd dd-MM-yyyy HH:mm"
      Format          =   24641539
      CurrentDate     =   46370.75
   End
   Begin VB.Label lblGuests 
      Caption         =   "&Guests:"
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   1440
      Width           =   975
   End
   Begin VB.TextBox txtGuests 
      Alignment       =   1  'Right Justify
      Height          =   285
      Left            =   1200
      TabIndex        =   7
      Text            =   "2"
      Top             =   1380
      Width           =   495
   End
   Begin NovaCtl2.UpDown updGuests 
      Height          =   285
      Left            =   1695
      TabIndex        =   8
      Top             =   1380
      Width           =   240
      _ExtentX        =   423
      _ExtentY        =   503
      _Version        =   393216
      Value           =   2
      BuddyControl    =   "txtGuests"
      BuddyDispid     =   196615
      OrigLeft        =   1740
      OrigTop         =   1380
      OrigRight       =   1980
      OrigBottom      =   1665
      Max             =   12
      Min             =   1
      SyncBuddy       =   -1  'True
      BuddyProperty   =   0
      Enabled         =   -1  'True
   End
   Begin VB.Label lblNotes 
      Caption         =   "&Notes:"
      Height          =   255
      Left            =   120
      TabIndex        =   9
      Top             =   1800
      Width           =   975
   End
   Begin VB.TextBox txtNotes 
      Height          =   1335
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   10
      Text            =   "Bring the signed form."
      Top             =   2100
      Width           =   3615
   End
   Begin NovaCtl2.MonthView mvwMonth 
      Height          =   2370
      Left            =   3840
      TabIndex        =   11
      Top             =   120
      Width           =   2595
      _ExtentX        =   4577
      _ExtentY        =   4180
      _Version        =   393216
      ForeColor       =   -2147483630
      BackColor       =   -2147483633
      Appearance      =   1
      ShowWeekNumbers =   -1  'True
      StartOfWeek     =   24641538
      CurrentDate     =   46371
   End
   Begin VB.CommandButton cmdBook 
      Caption         =   "&Book"
      Default         =   -1  'True
      Height          =   375
      Left            =   4080
      TabIndex        =   12
      Top             =   3480
      Width           =   1095
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   5340
      TabIndex        =   13
      Top             =   3480
      Width           =   1095
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   3840
      Top             =   3360
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "booking.frx":0000
      FormGUID        =   "{4F8D2A61-9C3E-4B70-8E15-A62D0B7C93E4}"
   End
End
Attribute VB_Name = "frmBooking"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
