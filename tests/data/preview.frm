VERSION 5.00
Begin VB.Form frmPreview 
   BorderStyle     =   2  'Sizable
   Caption         =   "Print preview"
   ClientHeight    =   4500
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6255
   LinkTopic       =   "Form1"
   ScaleHeight     =   4500
   ScaleWidth      =   6255
   StartUpPosition =   3  'Windows Default
   Begin VB.PictureBox picPage 
      Appearance      =   0  'Flat
      BackColor       =   &H80000005&
      ForeColor       =   &H80000008&
      Height          =   2415
      Left            =   120
      ScaleHeight     =   2385
      ScaleWidth      =   5985
      TabIndex        =   0
      Top             =   120
      Width           =   6015
      Begin VB.Shape shpMargin 
         BorderColor     =   &H00808080&
         BorderStyle     =   3  'Dot
         Height          =   1935
         Left            =   240
         Top             =   240
         Width           =   5535
      End
      Begin VB.Label lblHeading 
         BackStyle       =   0  'Transparent
         Caption         =   "Quarterly report"
         BeginProperty Font 
            Name            =   "Arial"
            Size            =   12
            Charset         =   0
            Weight          =   700
            Underline       =   0   'False
            Italic          =   0   'False
            Strikethrough   =   0   'False
         EndProperty
         Height          =   375
         Left            =   480
         TabIndex        =   1
         Top             =   360
         Width           =   3255
      End
   End
   Begin VB.Frame fraAdvanced 
      Caption         =   "Advanced"
      Height          =   1215
      Left            =   3240
      TabIndex        =   4
      Top             =   2760
      Visible         =   0   'False
      Width           =   2895
      Begin VB.CommandButton cmdReset 
         Caption         =   "Reset"
         Height          =   375
         Left            =   240
         TabIndex        =   5
         Top             =   480
         Width           =   1215
      End
   End
   Begin VB.Label lblZoom 
      Caption         =   "Zoom"
      Height          =   255
      Left            =   240
      TabIndex        =   2
      Top             =   2880
      Width           =   855
   End
   Begin VB.Shape shpZoom 
      Height          =   495
      Left            =   120
      Top             =   2760
      Width           =   2895
   End
   Begin VB.Image imgLogo 
      Height          =   480
      Left            =   2400
      Stretch         =   -1  'True
      Top             =   3360
      Width           =   480
   End
   Begin VB.TextBox txtZoom 
      Height          =   285
      Left            =   1200
      TabIndex        =   3
      Text            =   "100 %"
      Top             =   2880
      Width           =   735
   End
   Begin VB.Shape shpHighlight 
      BackColor       =   &H00C0FFFF&
      BackStyle       =   1  'Opaque
      Height          =   495
      Left            =   1080
      Top             =   2760
      Width           =   975
   End
   Begin VB.Label lblStatus 
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   4080
      Width           =   2895
   End
End
Attribute VB_Name = "frmPreview"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
